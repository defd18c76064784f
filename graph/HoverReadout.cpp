#include "graph/HoverReadout.h"

#include <algorithm>

QRect PlotFrame(const ViewLayout& view, QSize area) {
    return QRect(QPoint(view.margins.left, view.margins.top),
                 QPoint(area.width() - view.margins.right - 1, area.height() - view.margins.bottom - 1));
}

std::optional<int> MeasurementUnder(const ViewLayout& view, const SelectedSeries& series, QSize area,
                                    QPoint at) {
    if (series.measurementCount == 0 || view.viewCount == 0 || !PlotFrame(view, area).contains(at))
        return std::nullopt;
    return std::clamp<int>(MeasurementAtX(view, series, at.x()), view.viewFirst, view.last());
}

QPoint ReadoutTopLeft(const ViewLayout& view, const SelectedSeries& series, QSize area, QPoint at,
                      QSize tip) {
    const int left = at.x() + ReadoutGap;
    const QRect frame = PlotFrame(view, area);
    const int k = MeasurementUnder(view, series, area, at).value_or(view.viewFirst);
    const int lastCovered = std::clamp<int>(
        MeasurementAtX(view, series, std::min(left + tip.width(), frame.right())), k, view.last());
    const auto [lowest, highest] =
        std::minmax_element(series.activity.begin() + k, series.activity.begin() + lastCovered + 1);
    const ActivityMap activity = ViewActivityMap(view, area.height());
    const int above = std::min(at.y(), activity.y(*highest)) - ReadoutGap - tip.height();
    const int below = std::max(at.y(), activity.y(*lowest)) + ReadoutGap;
    // The side of the line the mouse is on, unless the readout would leave the area there.
    const bool mouseAbove = at.y() <= activity.y(series.activity[k]);
    if ((mouseAbove && above >= 0) || below + tip.height() > area.height())
        return QPoint(left, above);
    return QPoint(left, below);
}
