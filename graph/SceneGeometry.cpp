#include "graph/SceneGeometry.h"

#include "graph/GraphPaint.h"

std::vector<TimeTick> TimeAxisTicks(const SelectedSeries& series, const ViewWindow& view, float scale,
                                    int leftMargin, int lastX) {
    std::vector<TimeTick> ticks;
    const std::optional<LabelTime> start = ViewStartTime(series, view.ViewFirst, view.TimeUnit);
    if (!start || !(scale > 0.0F))
        return ticks;
    LabelTime label = FirstLabelTime(*start, view.TimeUnit, view.TimeStep, series.DaysInMonth);
    int64_t offset = SecondsBetween(*start, label);
    const TimeMap map{0, scale, leftMargin};
    for (int x = map.X(offset); x <= lastX && ticks.size() < MaxTimeTicks; x = map.X(offset)) {
        ticks.push_back({label, x});
        offset += int64_t{view.TimeStep} * SecondsPerUnit[view.TimeUnit];
        AdvanceLabel(label, view.TimeUnit, view.TimeStep, series.DaysInMonth);
    }
    return ticks;
}

StepLine StepLineOf(const SelectedSeries& series, const ViewWindow& view, const TimeMap& time,
                    const ActivityMap& activity) {
    const int first = view.ViewFirst;
    const int last = view.Last();
    const int axisY = activity.axisY;
    const int scaleTop = activity.Height(view.ViewMax);
    StepLine line{QPoint(time.left, axisY), {}};
    line.strokes.reserve(2 * static_cast<size_t>(view.ViewCount) + 1);
    for (int i = first; i <= last; ++i) {
        int h = activity.Height(series.Activity[i]);
        bool offScale = false;
        if (h < 0) {
            h = 0;
        } else if (h > scaleTop) {
            h = axisY;
            offScale = true;
        }
        line.strokes.push_back(
            {QPoint(time.X(series.ElapsedTime[i - 1]), axisY - h), i == first && first > 1});
        const int xe = time.X(series.ElapsedTime[i]);
        line.strokes.push_back({QPoint(xe, axisY - h), offScale});
        if (i == last)
            line.strokes.push_back(
                {QPoint(xe, activity.Y(series.Activity[i + 1])), last != series.MeasurementCount});
    }
    return line;
}

SceneGeometry ComputeSceneGeometry(const SelectedSeries& series, const ViewWindow& view, QSize size,
                                   int timeLabelWidth) {
    SceneGeometry scene;
    const GraphMargins& m = view.margins;
    scene.axisY = size.height() - m.MarginBottom;
    const ActivityMap activity = ViewActivityMap(view, size.height());
    for (int64_t v = view.ActivityStep; v < view.ViewMax; v += view.ActivityStep)
        scene.levels.push_back({v, activity.Y(v)});
    scene.ticks = TimeAxisTicks(series, view, view.TimeScale, m.MarginLeft, size.width() - timeLabelWidth);
    scene.line = StepLineOf(series, view, ViewTimeMap(view, series), activity);
    scene.pointerX = PointerXFor(view, series, view.PointerIndex);
    return scene;
}
