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
    const int64_t step = std::max<int64_t>(1, view.ActivityStep);
    for (int64_t k = step; k < view.ViewMax; k += step) {
        const int y = g.PH - g.mB -
                      static_cast<int>(std::min<Extended>(k * static_cast<Extended>(g.sy), CoordinateLimit));
        const QString label = QString::number(k);
        canvas.TextOut(g.mL - canvas.TextWidth(label) - 2, y, label);
        canvas.pen.style = PenStyle::Solid;
        canvas.Line(g.mL, y, g.mL - g.tick, y);
        if (view.GridOn) {
            canvas.pen.style = PenStyle::Dot;
            canvas.Line(g.mL, y, g.PW - g.mR, y);
        }
    }
    canvas.pen.style = PenStyle::Solid;
}

// The screen's step line on the page's scales, in black.
void PaintStepLine(Canvas& canvas, const GraphPageGeometry& g, const ViewWindow& view,
                   const SelectedSeries& series) {
    const TimeMap time{series.ElapsedTime[view.ViewFirst - 1], g.sx, g.mL};
    const StepLine line = StepLineOf(series, view, time, ActivityMap{g.sy, g.PH - g.mB});
    canvas.MoveTo(line.start.x(), line.start.y());
    for (const StepStroke& stroke : line.strokes)
        canvas.LineTo(stroke.to.x(), stroke.to.y());
}

} // namespace

GraphPageGeometry ComputeGraphPageGeometry(int width, int height, const ViewWindow& view,
                                           const SelectedSeries& series) {
    GraphPageGeometry g;
    g.PW = width;
    g.PH = height;
    g.mR = TruncFraction(0.04L, width);
    g.mT = TruncFraction(0.05L, height);
    g.mL = 3 * g.mR;
    g.mB = 3 * g.mT;
    g.tick = TruncFraction(0.3L, g.mR);
    // A view without duration or without a positive maximum still gets a finite scale.
    const int64_t duration = series.ElapsedTime[view.Last()] - series.ElapsedTime[view.ViewFirst - 1];
    g.sx = static_cast<float>(static_cast<Extended>(g.PW - g.mL - g.mR) / std::max<int64_t>(1, duration));
    g.sy = static_cast<float>(static_cast<Extended>(g.PH - g.mB - 2 * g.mT) /
                              std::max<int64_t>(1, view.ViewMax));
    return g;
}

QString GraphPrintTitle(const ViewWindow& view, const SelectedSeries& series) {
    if (view.ViewCount == series.MeasurementCount)
        return series.SeriesTitle;
    return series.SeriesTitle + QStringLiteral(". Измерения с ") + QString::number(view.ViewFirst) +
           QStringLiteral(" по ") + QString::number(view.Last());
}

void PaintGraphPage(Canvas& canvas, const GraphPageGeometry& g, const ViewWindow& view,
                    const SelectedSeries& series, int dpiX) {
    canvas.pen = CanvasPen{Qt::black, PenStyle::Solid, 1};
    canvas.brushColor = Qt::white;
    canvas.fontColor = Qt::black;

    canvas.SetFont(CaptionFont(dpiX));
    canvas.TextOutUpwards(g.mR, g.PH / 2, QString::fromUtf8(ActivityTitle));

    canvas.SetFont(PageFont());
    canvas.pen.width = 5;
    canvas.Rectangle(g.mL, g.mT, g.PW - g.mR, g.PH - g.mB);
    canvas.brushColor = Qt::white;
    canvas.pen.width = 2;

    DrawTimeAxis(canvas, series, view, g.PW, g.sx, g.PH, g.mB, g.mL, g.mT, g.tick);
    canvas.TextOut(g.PW / 2, g.PH - g.mT, TimeTitle(view.TimeUnit));

    const int titleY = static_cast<int>(Round(0.3L * g.mT));
    const int titleWidth = canvas.TextWidth(series.SeriesTitle);
    const bool whole = view.ViewCount == series.MeasurementCount;
    const int titleX = g.PW / 2 - (whole ? static_cast<int>(Round(0.5L * titleWidth)) : titleWidth);
    canvas.TextOut(titleX, titleY, GraphPrintTitle(view, series));

    PaintActivityScale(canvas, g, view);
    PaintStepLine(canvas, g, view, series);
}

bool PrintGraph(QPagedPaintDevice& printer, const ViewWindow& view, const SelectedSeries& series) {
    if (series.MeasurementCount == 0)
        return true;
    printer.setPageOrientation(QPageLayout::Landscape);
    const GraphPageGeometry page = ComputeGraphPageGeometry(printer.width(), printer.height(), view, series);
    PrintJob job(printer, QStringLiteral("График"));
    if (!job.begun())
        return false;
    Canvas canvas(job.painter(), QSize(page.PW, page.PH));
    PaintGraphPage(canvas, page, view, series, printer.logicalDpiX());
    if (!job.finish())
        return false;
    printer.setPageOrientation(QPageLayout::Portrait);
    return true;
}
