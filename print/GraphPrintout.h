#pragma once

#include "graph/Canvas.h"
#include "graph/ViewWindow.h"
#include "store/MeasurementStore.h"

#include <QString>

class QPagedPaintDevice;

// The layout of the graph on a page, from the printable size alone: margins as fractions of the page and
// the scales that fit the view into them.
struct GraphPageGeometry {
    int width = 0, height = 0;              // printable area
    int rightMargin = 0, topMargin = 0;     // right and top margins
    int leftMargin = 0, bottomMargin = 0;   // left and bottom margins: room for the labels
    int tickLength = 0;                     // scale tick length
    float timeScale = 0, activityScale = 0; // pixels per second, pixels per Bq/m³
};

GraphPageGeometry ComputeGraphPageGeometry(int width, int height, const ViewWindow& view,
                                           const SelectedSeries& series);

// The title line: the series title alone for the whole series, with the measurement range for a zoom.
QString GraphPrintTitle(const ViewWindow& view, const SelectedSeries& series);

// The whole page on a canvas of the printable size, in black on white: rotated caption, frame, time axis,
// time caption, title line, activity scale and the step line. dpiX sets the caption's height.
void PaintGraphPage(Canvas& canvas, const GraphPageGeometry& page, const ViewWindow& view,
                    const SelectedSeries& series, int dpiX);

// The texts a page of the graph carries besides its labels.
struct GraphPageTitles {
    QString title;     // the title line; none when empty
    QString timeTitle; // under the time axis
};

// The same page with titles of the caller's: a report names the series in its own words above the graph
// and the years under its time axis.
void PaintGraphPage(Canvas& canvas, const GraphPageGeometry& page, const ViewWindow& view,
                    const SelectedSeries& series, int dpiX, const GraphPageTitles& titles);

// Prints the view on one landscape page of a printer or PDF writer and leaves it in portrait. False, with no
// job left behind, when the printer cannot be used. Nothing happens while no series has been evaluated.
bool PrintGraph(QPagedPaintDevice& printer, const ViewWindow& view, const SelectedSeries& series);
