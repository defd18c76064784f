#pragma once

#include "graph/ViewLayout.h"
#include "store/MeasurementStore.h"
#include "store/SpanStatistics.h"

#include <QColor>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <optional>

class QPainter;

// The band that shades a marked span on the screen graph: from the start of its first measurement to the
// end of its last, over the plot frame's height, clipped to the frame. It is drawn over the picture, never
// into it, so printouts and saved pictures do not carry it.

// The band's pixels on an area of the given size; absent when no part of the span lies in the frame. A span
// of zero length (a bad mark's measurement) still gets a column, so that the mark shows.
std::optional<QRect> SpanBandRect(const ViewLayout& view, const SelectedSeries& series, QSize area,
                                  const MeasurementSpan& span);

// The columns that differ between two bands: what a widget repaints when a span changes.
QRegion SpanBandChange(const std::optional<QRect>& before, const std::optional<QRect>& after);

// A translucent shade that reads over the graph's background, light or dark, and lets the line show
// through: amber over a light background, white over a dark one.
QColor SpanBandColor(const QColor& background);

// Shades the band over whatever the painter has drawn.
void PaintSpanBand(QPainter& painter, const QRect& band, const QColor& background);
