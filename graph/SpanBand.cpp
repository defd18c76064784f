#include "graph/SpanBand.h"

#include "graph/HoverReadout.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int BandAlpha = 72;

} // namespace

std::optional<QRect> SpanBandRect(const ViewLayout& view, const SelectedSeries& series, QSize area,
                                  const MeasurementSpan& span) {
    if (view.viewCount == 0 || !IsSpanInSeries(span, series.measurementCount))
        return std::nullopt;
    const TimeMap time = ViewTimeMap(view, series);
    const int start = time.x(series.elapsedTime[span.first - 1]);
    const int end = std::max(time.x(series.elapsedTime[span.last]), start + 1);
    const QRect frame = PlotFrame(view, area);
    const QRect band = QRect(QPoint(start, frame.top()), QPoint(end - 1, frame.bottom())).intersected(frame);
    if (band.isEmpty())
        return std::nullopt;
    return band;
}

QRegion SpanBandChange(const std::optional<QRect>& before, const std::optional<QRect>& after) {
    const QRegion old = before ? QRegion(*before) : QRegion();
    const QRegion now = after ? QRegion(*after) : QRegion();
    return old.xored(now);
}

QColor SpanBandColor(const QColor& background) {
    QColor shade = background.lightness() >= 128 ? QColor(255, 160, 0) : QColor(255, 255, 255);
    shade.setAlpha(BandAlpha);
    return shade;
}

void PaintSpanBand(QPainter& painter, const QRect& band, const QColor& background) {
    painter.fillRect(band, SpanBandColor(background));
}
