#pragma once

#include "Canvas.h"
#include "MeasurementStore.h"
#include "ViewWindow.h"

// Labels, ticks and (with the grid on) dotted vertical grid lines of the time axis, at calendar-aligned
// times from just after the view's start up to xLimit less a label's width. Every length is a parameter,
// so the screen and the printed page share it; the canvas's font, font colour, pen colour and brush are
// used as they are. The axis lies at canvasHeight − bottomMargin; scale is in pixels per second.
void DrawTimeAxis(Canvas& canvas, const SelectedSeries& series, const ViewWindow& view, int xLimit,
                  float scale, int canvasHeight, int bottomMargin, int leftMargin, int gridTop, int gap);
