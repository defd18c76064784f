#pragma once

#include "graph/Canvas.h"
#include "graph/SceneGeometry.h"
#include "store/ActivityUnit.h"

#include <QColor>

#include <optional>
#include <vector>

// Where the plot's vertical scale and step line go on a surface and how they look there. The screen and
// the printed page draw both through the routines below, each with its own layout.
struct PlotLayout {
    TimeMap time;         // seconds to x; its left is the vertical axis
    ActivityMap activity; // activities to y; its axisY is the time axis
    int right = 0;        // the frame's right side, where grid lines end
    int tickLength = 0;   // scale ticks run this far left of the axis
    int labelGap = 0;     // between a scale label's right end and the axis
    PixelRounding levelRounding =
        PixelRounding::Nearest;        // the screen rounds the scale's levels, the page truncates
    bool grid = false;                 // dotted lines across the frame at every level
    QColor lineColor = Qt::black;      // the step line
    std::optional<QColor> markerColor; // the screen's red marks (see StepStroke); none on paper
    std::optional<int> warningY;       // the highest reference level's row: the line above it is warned
    QColor warningColor;
    ActivityUnit unit = ActivityUnit::BecquerelPerCubicMetre; // of the scale's labels and the levels' values
};

// The scale's levels on this layout.
std::vector<ScaleLevel> LayoutLevels(const ViewLayout& view, const PlotLayout& layout);

// Labels hanging below the level they name and ending labelGap left of the axis, a tick at each and, with
// the grid, a dotted line across the frame. The canvas's font, font colour and pen are used as they are.
void DrawActivityScale(Canvas& canvas, const std::vector<ScaleLevel>& levels, const PlotLayout& layout);

// The step line as the pen travels it, in the line colour, its marked strokes in the marker colour; with a
// warning row, the pixels above that row in the warning colour (marks keep theirs).
void DrawStepLine(Canvas& canvas, const StepLine& line, const PlotLayout& layout);
