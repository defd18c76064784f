#include "print/GraphPrintout.h"

#include "graph/GraphPaint.h"
#include "graph/PlotPaint.h"
#include "graph/TimeAxis.h"
#include "graph/TimeLabels.h"
#include "print/PrintJob.h"

#include <QPagedPaintDevice>

#include <algorithm>

namespace {

int TruncFraction(Extended fraction, int length) {
    return static_cast<int>(fraction * length);
}

QFont PageFont() {
    QFont font(QStringLiteral("Arial"));
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPointSize(12);
    return font;
}

// One sixth of an inch high at the printer's horizontal resolution.
QFont CaptionFont(int dpiX) {
    QFont font = PageFont();
    font.setPixelSize(std::max(1, static_cast<int>(Round(100.0L * dpiX / 600.0L))));
    return font;
}

// The page's plot layout: the page's scales, labels a little off the axis, levels truncated, all in black.
PlotLayout PageLayout(const GraphPageGeometry& g, const ViewWindow& view, const SelectedSeries& series) {
    PlotLayout layout;
    layout.time = TimeMap{series.elapsedTime[view.viewFirst - 1], g.timeScale, g.leftMargin};
    layout.activity = ActivityMap{g.activityScale, g.height - g.bottomMargin};
    layout.right = g.width - g.rightMargin;
    layout.tickLength = g.tickLength;
    layout.labelGap = 2;
    layout.levelRounding = PixelRounding::TowardZero;
    layout.grid = view.gridOn;
    return layout;
}

} // namespace

GraphPageGeometry ComputeGraphPageGeometry(int width, int height, const ViewWindow& view,
                                           const SelectedSeries& series) {
    GraphPageGeometry g;
    g.width = width;
    g.height = height;
    g.rightMargin = TruncFraction(0.04L, width);
    g.topMargin = TruncFraction(0.05L, height);
    g.leftMargin = 3 * g.rightMargin;
    g.bottomMargin = 3 * g.topMargin;
    g.tickLength = TruncFraction(0.3L, g.rightMargin);
    // A view without duration or without a positive maximum still gets a finite scale.
    const int64_t duration = series.elapsedTime[view.last()] - series.elapsedTime[view.viewFirst - 1];
    g.timeScale = static_cast<float>(static_cast<Extended>(g.width - g.leftMargin - g.rightMargin) /
                                     std::max<int64_t>(1, duration));
    g.activityScale = static_cast<float>(static_cast<Extended>(g.height - g.bottomMargin - 2 * g.topMargin) /
                                         std::max<int64_t>(1, view.viewMax));
    return g;
}

QString GraphPrintTitle(const ViewWindow& view, const SelectedSeries& series) {
    if (view.viewCount == series.measurementCount)
        return series.seriesTitle;
    return series.seriesTitle + QStringLiteral(". Измерения с ") + QString::number(view.viewFirst) +
           QStringLiteral(" по ") + QString::number(view.last());
}

void PaintGraphPage(Canvas& canvas, const GraphPageGeometry& g, const ViewWindow& view,
                    const SelectedSeries& series, int dpiX) {
    PaintGraphPage(canvas, g, view, series, dpiX, {GraphPrintTitle(view, series), TimeTitle(view.timeUnit)});
}

void PaintGraphPage(Canvas& canvas, const GraphPageGeometry& g, const ViewWindow& view,
                    const SelectedSeries& series, int dpiX, const GraphPageTitles& titles) {
    canvas.pen = CanvasPen{Qt::black, PenStyle::Solid, 1};
    canvas.brushColor = Qt::white;
    canvas.fontColor = Qt::black;

    canvas.setFont(CaptionFont(dpiX));
    canvas.textOutUpwards(g.rightMargin, g.height / 2, QString::fromUtf8(ActivityTitle));

    canvas.setFont(PageFont());
    canvas.pen.width = 5;
    canvas.rectangle(g.leftMargin, g.topMargin, g.width - g.rightMargin, g.height - g.bottomMargin);
    canvas.brushColor = Qt::white;
    canvas.pen.width = 2;

    DrawTimeAxis(canvas, series, view, g.width, g.timeScale, g.height, g.bottomMargin, g.leftMargin,
                 g.topMargin, g.tickLength);
    canvas.textOut(g.width / 2, g.height - g.topMargin, titles.timeTitle);

    if (!titles.title.isEmpty()) {
        const int titleY = static_cast<int>(Round(0.3L * g.topMargin));
        const int titleWidth = canvas.textWidth(series.seriesTitle);
        const bool whole = view.viewCount == series.measurementCount;
        const int titleX = g.width / 2 - (whole ? static_cast<int>(Round(0.5L * titleWidth)) : titleWidth);
        canvas.textOut(titleX, titleY, titles.title);
    }

    const PlotLayout layout = PageLayout(g, view, series);
    DrawActivityScale(canvas, LayoutLevels(view, layout), layout);
    DrawStepLine(canvas, StepLineOf(series, view, layout.time, layout.activity), layout);
}

bool PrintGraph(QPagedPaintDevice& printer, const ViewWindow& view, const SelectedSeries& series) {
    if (series.measurementCount == 0)
        return true;
    printer.setPageOrientation(QPageLayout::Landscape);
    const GraphPageGeometry page = ComputeGraphPageGeometry(printer.width(), printer.height(), view, series);
    PrintJob job(printer, QStringLiteral("График"));
    if (!job.begun())
        return false;
    Canvas canvas(job.painter(), QSize(page.width, page.height));
    PaintGraphPage(canvas, page, view, series, printer.logicalDpiX());
    if (!job.finish())
        return false;
    printer.setPageOrientation(QPageLayout::Portrait);
    return true;
}
