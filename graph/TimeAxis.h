#pragma once

#include "graph/Canvas.h"
#include "graph/ViewLayout.h"
#include "store/MeasurementStore.h"

// Where the time axis goes on a surface: every length is given, so that the screen and a page share it.
struct TimeAxisPlace {
    int xLimit = 0;  // labels stop a label's width short of this x
    float scale = 0; // pixels per second
    int axisY = 0;   // the axis line, where ticks start and labels hang from
    int left = 0;    // x of the view's start
    int gridTop = 0; // y where the dotted grid lines begin
    int gap = 0;     // tick length, and the gap between the axis and the labels
};

// Labels, ticks and (with the view's grid on) dotted vertical grid lines of the time axis, at
// calendar-aligned times from just after the view's start up to the place's xLimit less a label's width.
// The canvas's font, font colour, pen colour and brush are used as they are.
void DrawTimeAxis(Canvas& canvas, const SelectedSeries& series, const ViewLayout& view,
                  const TimeAxisPlace& place);

// The room a time label takes at the right edge: the width of "00 00" in the canvas's font made fixed-pitch.
int TimeLabelWidth(Canvas& canvas);
