#include "print/ReportGraph.h"

#include "graph/Canvas.h"
#include "print/GraphPrintout.h"

#include <QPainter>

#include <cmath>

ViewWindow ReportGraphView(const SelectedSeries& series, const MeasurementSpan& span) {
    ViewWindow view;
    // The page works out its own scales from the view's range and maximum; the size only keeps the view's
    // screen scales finite.
    ShowRange(view, series, QSize(707, 328), span.first, span.last);
    return view;
}

QSize ReportGraphPageSize(QSize frame) {
    return QSize(static_cast<int>(std::lround(frame.width() / ReportGraphScale)),
                 static_cast<int>(std::lround(frame.height() / ReportGraphScale)));
}

void DrawReportGraph(QPainter& painter, const QRect& frame, const SelectedSeries& series,
                     const ViewWindow& view, const QString& timeTitle, int dpiX) {
    const QSize page = ReportGraphPageSize(frame.size());
    painter.save();
    // A level off the scale reaches the top of its page: here the top of the frame, not the report's text.
    painter.setClipRect(frame);
    painter.translate(frame.topLeft());
    painter.scale(ReportGraphScale, ReportGraphScale);
    {
        Canvas canvas(painter, page);
        const GraphPageGeometry geometry =
            ComputeGraphPageGeometry(page.width(), page.height(), view, series);
        PaintGraphPage(canvas, geometry, view, series, dpiX, {QString(), timeTitle});
    }
    painter.restore();
}
