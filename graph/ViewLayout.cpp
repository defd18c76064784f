#include "graph/ViewLayout.h"

#include "graph/AxisSteps.h"

#include <algorithm>

namespace {

// An empty or backwards time span, or a scale top at or below 0, would divide by zero or flip the graph.
constexpr int64_t AtLeastOne(int64_t denominator) {
    return std::max<int64_t>(denominator, 1);
}

int64_t VisibleSeconds(const ViewLayout& view, const SelectedSeries& series) {
    return series.elapsedTime[view.last()] - series.elapsedTime[view.viewFirst - 1];
}

float ActivityScaleFor(int64_t viewMax, int pixels) {
    return static_cast<float>(static_cast<Extended>(pixels) / static_cast<Extended>(AtLeastOne(viewMax)));
}

int PlotHeightBelowGap(const ViewLayout& view, QSize area) {
    return area.height() - view.margins.bottom - 2 * view.margins.top;
}

} // namespace

TimeMap ViewTimeMap(const ViewLayout& view, const SelectedSeries& series) {
    return TimeMap{series.elapsedTime[view.viewFirst - 1], view.timeScale, view.margins.left};
}

ActivityMap ViewActivityMap(const ViewLayout& view, int height) {
    return ActivityMap{view.activityScale, height - view.margins.bottom};
}

ViewLayout ViewWithAxisSteps(const ViewState& state, const SelectedSeries& series) {
    ViewLayout view;
    static_cast<ViewState&>(view) = state;
    ChooseAxisSteps(view, series);
    return view;
}

void LayOutView(ViewLayout& view, const SelectedSeries& series, QSize area) {
    view.activityScale = ActivityScaleFor(view.viewMax, PlotHeightBelowGap(view, area));
    view.topGap = true;
    UpdateTimeScale(view, series, area.width());
    ChooseAxisSteps(view, series);
}

void ResetView(ViewLayout& view, const SelectedSeries& series, QSize area) {
    ResetView(static_cast<ViewState&>(view), series);
    LayOutView(view, series, area);
}

void UpdateTimeScale(ViewLayout& view, const SelectedSeries& series, int width) {
    const int frameWidth = width - view.margins.left - view.margins.right;
    view.timeScale = static_cast<float>(static_cast<Extended>(frameWidth) /
                                        static_cast<Extended>(AtLeastOne(VisibleSeconds(view, series))));
}

void ChooseAxisSteps(ViewLayout& view, const SelectedSeries& series) {
    const TimeSteps steps = ChooseTimeSteps(VisibleSeconds(view, series));
    view.timeUnit = steps.timeUnit;
    view.timeStep = steps.timeStep;
    view.activityStep = ChooseActivityStep(view.viewMax);
}

uint16_t MeasurementAtX(const ViewLayout& view, const SelectedSeries& series, int x) {
    const int64_t origin = series.elapsedTime[view.viewFirst - 1];
    // A zero scale (a frame without width) puts every x at the start of the view.
    const Extended seconds = view.timeScale == 0.0F ? 0.0L
                                                    : static_cast<Extended>(x - view.margins.left) /
                                                          static_cast<Extended>(view.timeScale);
    const int64_t t = RoundWithin(seconds, int64_t{1} << 62) + origin;
    const int n = series.measurementCount;
    int k = 1;
    while (k < n && series.elapsedTime[k] < t)
        ++k;
    return static_cast<uint16_t>(k);
}

void ShowRange(ViewLayout& view, const SelectedSeries& series, QSize area, int lo, int hi) {
    ShowRange(static_cast<ViewState&>(view), series, lo, hi);
    LayOutView(view, series, area);
}

bool ZoomClick(ViewLayout& view, const SelectedSeries& series, QSize area, int x) {
    if (!ZoomEdge(view, series, MeasurementAtX(view, series, x)))
        return false;
    LayOutView(view, series, area);
    return true;
}

GraphPoint GraphPointAt(const ViewLayout& view, const SelectedSeries& series, QSize area, QPoint at) {
    GraphPoint point;
    if (view.timeScale != 0.0F)
        point.seconds = static_cast<Extended>(at.x() - view.margins.left) / view.timeScale;
    point.seconds += series.elapsedTime[view.viewFirst - 1];
    if (view.activityScale != 0.0F)
        point.activity =
            static_cast<Extended>(area.height() - view.margins.bottom - at.y()) / view.activityScale;
    return point;
}

QPoint PixelOf(const ViewLayout& view, const SelectedSeries& series, QSize area, const GraphPoint& point) {
    const Extended seconds = point.seconds - static_cast<Extended>(series.elapsedTime[view.viewFirst - 1]);
    return QPoint(RoundToPixel(seconds * view.timeScale) + view.margins.left,
                  area.height() - view.margins.bottom - RoundToPixel(point.activity * view.activityScale));
}

QRect ZoomSpanRect(const ViewLayout& view, const SelectedSeries& series, QSize area, int x) {
    const int k = MeasurementAtX(view, series, x);
    const int lo = std::min<int>(view.zoomAnchor, k);
    const int hi = std::max<int>(view.zoomAnchor, k);
    const TimeMap time = ViewTimeMap(view, series);
    const QRect span(QPoint(time.x(series.elapsedTime[lo - 1]), view.margins.top),
                     QPoint(time.x(series.elapsedTime[hi]), area.height() - view.margins.bottom));
    return span.intersected(QRect(QPoint(0, 0), area));
}

void ShowWholeSeries(ViewLayout& view, const SelectedSeries& series, QSize area) {
    ShowWholeSeries(static_cast<ViewState&>(view), series);
    LayOutView(view, series, area);
}

void ResizeView(ViewLayout& view, const SelectedSeries& series, QSize area) {
    if (series.measurementCount == 0)
        return;
    UpdateTimeScale(view, series, area.width());
    view.activityScale =
        ActivityScaleFor(view.viewMax, area.height() - view.margins.bottom - view.margins.top);
    view.topGap = false;
}
