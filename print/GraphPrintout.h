#pragma once

#include "graph/Canvas.h"
#include "graph/GraphRender.h"
#include "graph/ViewLayout.h"
#include "store/MeasurementStore.h"
#include "store/Outcome.h"

#include <QString>

class QPagedPaintDevice;

// The layout of the graph on a page, from the printable size alone: margins as fractions of the page and
// the scales that fit the view into them.
using GraphPageGeometry = GraphLayout;

// What a page draws of the view, and with the caller's titles when given.
RenderOptions PageOptions(const ViewLayout& view, const SelectedSeries& series, int dpiX,
                          std::optional<GraphPageTitles> titles = std::nullopt);

GraphPageGeometry ComputeGraphPageGeometry(int width, int height, const ViewLayout& view,
                                           const SelectedSeries& series);

// The whole page on a canvas of the printable size, in black on white: rotated caption, frame, time axis,
// time caption, title line, activity scale and the step line. dpiX sets the caption's height.
void PaintGraphPage(Canvas& canvas, const ViewLayout& view, const SelectedSeries& series, int dpiX);

// Prints the view on one landscape page of a printer or PDF writer and leaves it in portrait. False, with no
// job left behind, when the printer cannot be used. Nothing happens while no series has been evaluated. The
// marks and the unit are those the user reads the graph with; without them the page is the plain graph.
Outcome PrintGraph(QPagedPaintDevice& printer, const ViewLayout& view, const SelectedSeries& series,
                   const ReadingMarks& marks = {}, ActivityUnit unit = ActivityUnit::BecquerelPerCubicMetre);
