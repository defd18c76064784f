#include "print/GraphPrintout.h"

#include "graph/GraphPaint.h"
#include "graph/ScaleMap.h"
#include "graph/SceneGeometry.h"
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

void PaintActivityScale(Canvas& canvas, const GraphPageGeometry& g, const ViewWindow& view) {
    const int64_t step = std::max<int64_t>(1, view.activityStep);
    for (int64_t k = step; k < view.viewMax; k += step) {
        const int y =
            g.height - g.bottomMargin -
            static_cast<int>(std::min<Extended>(k * static_cast<Extended>(g.activityScale), CoordinateLimit));
        const QString label = QString::number(k);
        canvas.textOut(g.leftMargin - canvas.textWidth(label) - 2, y, label);
        canvas.pen.style = PenStyle::Solid;
        canvas.line(g.leftMargin, y, g.leftMargin - g.tick, y);
        if (view.gridOn) {
            canvas.pen.style = PenStyle::Dot;
            canvas.line(g.leftMargin, y, g.width - g.rightMargin, y);
        }
    }
    canvas.pen.style = PenStyle::Solid;
}

// The screen's step line on the page's scales, in black.
void PaintStepLine(Canvas& canvas, const GraphPageGeometry& g, const ViewWindow& view,
                   const SelectedSeries& series) {
    const TimeMap time{series.elapsedTime[view.viewFirst - 1], g.timeScale, g.leftMargin};
    const StepLine line =
        StepLineOf(series, view, time, ActivityMap{g.activityScale, g.height - g.bottomMargin});
    canvas.moveTo(line.start.x(), line.start.y());
    for (const StepStroke& stroke : line.strokes)
        canvas.lineTo(stroke.to.x(), stroke.to.y());
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
    g.tick = TruncFraction(0.3L, g.rightMargin);
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
                 g.topMargin, g.tick);
    canvas.textOut(g.width / 2, g.height - g.topMargin, TimeTitle(view.timeUnit));

    const int titleY = static_cast<int>(Round(0.3L * g.topMargin));
    const int titleWidth = canvas.textWidth(series.seriesTitle);
    const bool whole = view.viewCount == series.measurementCount;
    const int titleX = g.width / 2 - (whole ? static_cast<int>(Round(0.5L * titleWidth)) : titleWidth);
    canvas.textOut(titleX, titleY, GraphPrintTitle(view, series));

    PaintActivityScale(canvas, g, view);
    PaintStepLine(canvas, g, view, series);
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
