#pragma once

#include "graph/Canvas.h"
#include "graph/SceneGeometry.h"
#include "graph/ViewWindow.h"
#include "store/MeasurementStore.h"

#include <vector>

// Labels, ticks and (with the grid on) dotted vertical grid lines of the time axis, at calendar-aligned
// times from just after the view's start up to xLimit less a label's width. Every length is a parameter,
// so the screen and the printed page share it; the canvas's font, font colour, pen colour and brush are
// used as they are. The axis lies at canvasHeight − bottomMargin; scale is in pixels per second.
void DrawTimeAxis(Canvas& canvas, const SelectedSeries& series, const ViewWindow& view, int xLimit,
                  float scale, int canvasHeight, int bottomMargin, int leftMargin, int gridTop, int gap);

// The room a time label takes at the right edge: the width of "00 00" in the canvas's font made fixed-pitch.
int TimeLabelWidth(Canvas& canvas);

// Draws labels already placed (see TimeAxisTicks) on an axis at axisY, as DrawTimeAxis does.
void DrawTimeTicks(Canvas& canvas, const std::vector<TimeTick>& ticks, const ViewWindow& view, int axisY,
                   int gridTop, int gap);
