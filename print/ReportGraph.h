#pragma once

#include "graph/ReadingMarks.h"
#include "graph/ViewLayout.h"
#include "store/ActivityUnit.h"
#include "store/MeasurementStore.h"
#include "store/SpanStatistics.h"

#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// The graph of a report: the span as a zoom to it shows it, drawn as the graph printout draws its page,
// shrunk into a frame of the report's page.

// The span's view: its measurements, the pointer on the first, the scale up to their largest activity and
// the axis steps. A page works out its own scales, so the view has none.
ViewLayout ReportGraphView(const SelectedSeries& series, const MeasurementSpan& span);

// The report's frame holds the printout's page at this fraction of its size, so that the labels, laid out
// for a whole page, come out at a size that reads beside the report's text.
constexpr qreal ReportGraphScale = 0.6;

// The page the graph is laid out on: the frame at the printout's scale.
QSize ReportGraphPageSize(QSize frame);

// Draws the graph into the frame of the painter's page, nothing outside it; timeTitle goes under the time
// axis. dpiX is the page's resolution, which sets the rotated caption's height as on a printout. The marks
// (levels, running average) are drawn over it, the scale is labelled in the unit.
struct ReportGraphLook {
    const ReadingMarks* marks = nullptr; // none drawn
    ActivityUnit unit = ActivityUnit::BecquerelPerCubicMetre;
};
void DrawReportGraph(QPainter& painter, const QRect& frame, const SelectedSeries& series,
                     const ViewLayout& view, const QString& timeTitle, int dpiX,
                     const ReportGraphLook& look = ReportGraphLook{});
