#include "graph/ViewWindow.h"

#include "graph/AxisSteps.h"

#include <algorithm>

const char* const ZoomPrompt = "Укажите на графике мышью область видимости ";

namespace {

// An empty or backwards time span, or a scale top at or below 0, would divide by zero or flip the graph.
constexpr int64_t AtLeastOne(int64_t denominator) {
    return std::max<int64_t>(denominator, 1);
}

int64_t VisibleSeconds(const ViewWindow& view, const SelectedSeries& series) {
    return series.ElapsedTime[view.Last()] - series.ElapsedTime[view.ViewFirst - 1];
}

float ActivityScaleFor(int64_t viewMax, int pixels) {
    return static_cast<float>(static_cast<Extended>(pixels) / static_cast<Extended>(AtLeastOne(viewMax)));
}

int PlotHeightBelowGap(const ViewWindow& view, QSize area) {
    return area.height() - view.margins.MarginBottom - 2 * view.margins.MarginTop;
}

int64_t LargestActivity(const SelectedSeries& series, int lo, int hi) {
    return *std::max_element(series.Activity.begin() + lo, series.Activity.begin() + hi + 1);
}

} // namespace

TimeMap ViewTimeMap(const ViewWindow& view, const SelectedSeries& series) {
    return TimeMap{series.ElapsedTime[view.ViewFirst - 1], view.TimeScale, view.margins.MarginLeft};
}

ActivityMap ViewActivityMap(const ViewWindow& view, int height) {
    return ActivityMap{view.ActivityScale, height - view.margins.MarginBottom};
}

void ResetView(ViewWindow& view, const SelectedSeries& series, QSize area) {
    view.ActivityScale = ActivityScaleFor(series.MaxActivity, PlotHeightBelowGap(view, area));
    view.ViewCount = series.MeasurementCount;
    view.ViewMax = series.MaxActivity;
    view.ViewFirst = 1;
    view.ViewBottom = 0;
    view.PointerIndex = 1;
    view.ZoomMode = 0;
    UpdateTimeScale(view, series, area.width());
    ChooseAxisSteps(view, series);
}

void UpdateTimeScale(ViewWindow& view, const SelectedSeries& series, int width) {
    const int frameWidth = width - view.margins.MarginLeft - view.margins.MarginRight;
    view.TimeScale = static_cast<float>(static_cast<Extended>(frameWidth) /
                                        static_cast<Extended>(AtLeastOne(VisibleSeconds(view, series))));
}

void ChooseAxisSteps(ViewWindow& view, const SelectedSeries& series) {
    const TimeSteps steps = ChooseTimeSteps(VisibleSeconds(view, series));
    view.TimeUnit = steps.TimeUnit;
    view.TimeStep = steps.TimeStep;
    view.ActivityStep = ChooseActivityStep(view.ViewMax);
}

uint16_t MeasurementAtX(const ViewWindow& view, const SelectedSeries& series, int x) {
    const int64_t origin = series.ElapsedTime[view.ViewFirst - 1];
    // A zero scale (a frame without width) puts every x at the start of the view.
    const Extended seconds = view.TimeScale == 0.0F ? 0.0L
                                                    : static_cast<Extended>(x - view.margins.MarginLeft) /
                                                          static_cast<Extended>(view.TimeScale);
    const int64_t t = RoundWithin(seconds, int64_t{1} << 62) + origin;
    const int n = series.MeasurementCount;
    int k = 1;
    while (k < n && series.ElapsedTime[k] < t)
        ++k;
    return static_cast<uint16_t>(k);
}

void ShowRange(ViewWindow& view, const SelectedSeries& series, QSize area, int lo, int hi) {
    view.ViewFirst = static_cast<uint16_t>(lo);
    view.ViewCount = static_cast<uint16_t>(hi - lo + 1);
    view.ViewMax = LargestActivity(series, lo, hi);
    view.ActivityScale = ActivityScaleFor(view.ViewMax, PlotHeightBelowGap(view, area));
    UpdateTimeScale(view, series, area.width());
    view.PointerIndex = view.ViewFirst;
    view.ZoomMode = 0;
    ChooseAxisSteps(view, series);
}

bool ZoomClick(ViewWindow& view, const SelectedSeries& series, QSize area, int x) {
    const uint16_t k = MeasurementAtX(view, series, x);
    if (view.ZoomMode == 1) {
        view.ZoomAnchor = k;
        view.ZoomMode = 2;
        return false;
    }
    if (view.ZoomMode != 2)
        return false;
    ShowRange(view, series, area, std::min<int>(view.ZoomAnchor, k), std::max<int>(view.ZoomAnchor, k));
    return true;
}

void SBMasGAClick(ViewWindow& view, const SelectedSeries& series, QSize area) {
    view.ZoomMode = 0;
    view.ViewCount = series.MeasurementCount;
    view.ViewFirst = 1;
    UpdateTimeScale(view, series, area.width());
    view.ViewMax = series.MaxActivity;
    view.ActivityScale = ActivityScaleFor(series.MaxActivity, PlotHeightBelowGap(view, area));
    ChooseAxisSteps(view, series);
}

QString SBMasGSClick(ViewWindow& view) {
    view.ZoomMode = 1;
    return QString::fromUtf8(ZoomPrompt);
}

void resizing(ViewWindow& view, const SelectedSeries& series, QSize area) {
    if (series.MeasurementCount == 0)
        return;
    UpdateTimeScale(view, series, area.width());
    view.ActivityScale =
        ActivityScaleFor(view.ViewMax, area.height() - view.margins.MarginBottom - view.margins.MarginTop);
}

void SBSetkaClick(ViewWindow& view, bool down) {
    view.GridOn = down;
}
