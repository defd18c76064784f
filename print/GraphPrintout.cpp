#include "print/GraphPrintout.h"

#include "print/PrintJob.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>

RenderOptions PageOptions(const ViewLayout& view, const SelectedSeries& series, int dpiX,
                          std::optional<GraphPageTitles> titles) {
    RenderOptions options{series, GraphInView{view.viewFirst, view.viewCount, view.pointerIndex, view.viewMax,
                                              view.gridOn, true}};
    options.look = GraphLook::Page;
    options.dpiX = dpiX;
    options.titles = std::move(titles);
    return options;
}

GraphPageGeometry ComputeGraphPageGeometry(int width, int height, const ViewLayout& view,
                                           const SelectedSeries& series) {
    return LayoutGraph(QSize(width, height), PageOptions(view, series, 0));
}

void PaintGraphPage(Canvas& canvas, const ViewLayout& view, const SelectedSeries& series, int dpiX) {
    RenderGraph(canvas, PageOptions(view, series, dpiX));
}

Outcome PrintGraph(QPagedPaintDevice& printer, const ViewLayout& view, const SelectedSeries& series,
                   const ReadingMarks& marks, ActivityUnit unit) {
    if (series.measurementCount == 0)
        return {};
    printer.setPageOrientation(QPageLayout::Landscape);
    PrintJob job(printer, QCoreApplication::translate("GraphPrintout", "График"));
    if (!job.begun())
        return PagesNotMade();
    RenderOptions options = PageOptions(view, series, printer.logicalDpiX());
    options.marks = marks;
    options.unit = unit;
    RenderGraph(job.painter(), QRect(0, 0, printer.width(), printer.height()), options);
    if (!job.finish())
        return PagesNotMade();
    printer.setPageOrientation(QPageLayout::Portrait);
    return {};
}
