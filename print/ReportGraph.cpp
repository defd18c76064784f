#include "print/ReportGraph.h"

#include "print/GraphPrintout.h"

ViewLayout ReportGraphView(const SelectedSeries& series, const MeasurementSpan& span) {
    const GraphInView range = RangeInView(series, span.first, span.last);
    ViewLayout view;
    view.viewFirst = static_cast<uint16_t>(range.first);
    view.viewCount = static_cast<uint16_t>(range.count);
    view.pointerIndex = static_cast<uint16_t>(range.pointer);
    view.viewMax = range.scaleTop;
    ChooseAxisSteps(view, series);
    return view;
}

QSize ReportGraphPageSize(QSize frame) {
    return LayoutSize(frame, ReportGraphScale);
}

void DrawReportGraph(QPainter& painter, const QRect& frame, const SelectedSeries& series,
                     const ViewLayout& view, const QString& timeTitle, int dpiX,
                     const ReportGraphLook& look) {
    RenderOptions options = PageOptions(view, series, dpiX, GraphPageTitles{QString(), timeTitle});
    options.shrink = ReportGraphScale;
    if (look.marks)
        options.marks = *look.marks;
    options.unit = look.unit;
    RenderGraph(painter, frame, options);
}
