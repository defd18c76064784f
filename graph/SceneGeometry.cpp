#include "graph/SceneGeometry.h"

#include "graph/AxisSteps.h"
#include "store/SpanStatistics.h"

#include <algorithm>

int PointerXFor(const ViewLayout& view, const SelectedSeries& series, int pointerIndex) {
    return ViewTimeMap(view, series)
        .middleX(series.elapsedTime[pointerIndex - 1], series.elapsedTime[pointerIndex]);
}

std::vector<TimeTick> TimeAxisTicks(const SelectedSeries& series, const ViewLayout& view, float scale,
                                    int leftMargin, int lastX) {
    std::vector<TimeTick> ticks;
    const std::optional<LabelTime> start = ViewStartTime(series, view.viewFirst, view.timeUnit);
    if (!start || !(scale > 0.0F))
        return ticks;
    LabelTime label = FirstLabelTime(*start, view.timeUnit, view.timeStep, series.daysInMonth);
    int64_t offset = SecondsBetween(*start, label);
    const TimeMap map{0, scale, leftMargin};
    for (int x = map.x(offset); x <= lastX && ticks.size() < MaxTimeTicks; x = map.x(offset)) {
        ticks.push_back({label, x});
        offset += int64_t{view.timeStep} * SecondsPerUnit[view.timeUnit];
        AdvanceLabel(label, view.timeUnit, view.timeStep, series.daysInMonth);
    }
    return ticks;
}

namespace {

// The step's last non-zero digit sets the decimals: 0,05 needs two, 0,5 one, 5 none.
int DecimalsOfHundredthsStep(int64_t step) {
    return step % 100 == 0 ? 0 : step % 10 == 0 ? 1 : 2;
}

std::vector<ScaleLevel> PicocurieLevels(const ViewLayout& view, const ActivityMap& activity,
                                        PixelRounding rounding) {
    std::vector<ScaleLevel> levels;
    const int64_t step = ChooseActivityStep(PicocuriesPerLitreHundredths(view.viewMax));
    const int decimals = DecimalsOfHundredthsStep(step);
    const Extended top = static_cast<Extended>(view.viewMax);
    for (int64_t v = step;; v += step) {
        // Hundredths of pCi/L in Bq/m³, exactly until the one rounding to a pixel.
        const Extended bq = static_cast<Extended>(v) * BecquerelsPerCubicMetreInPicocuriePerLitre / 100;
        if (!(bq < top))
            break;
        levels.push_back({v, activity.yOfExact(bq, rounding), PicocurieHundredthsText(v, decimals)});
    }
    return levels;
}

} // namespace

std::vector<ScaleLevel> ScaleLevels(const ViewLayout& view, const ActivityMap& activity,
                                    PixelRounding rounding, ActivityUnit unit) {
    if (unit == ActivityUnit::PicocuriePerLitre)
        return PicocurieLevels(view, activity, rounding);
    std::vector<ScaleLevel> levels;
    const int64_t step = std::max<int64_t>(1, view.activityStep);
    for (int64_t v = step; v < view.viewMax; v += step)
        levels.push_back({v, activity.y(v, rounding), QString::number(v)});
    return levels;
}

StepLine StepLineOf(const SelectedSeries& series, const ViewLayout& view, const TimeMap& time,
                    const ActivityMap& activity) {
    const int first = view.viewFirst;
    const int last = view.last();
    const int axisY = activity.axisY;
    const int scaleTop = activity.height(view.viewMax);
    StepLine line{QPoint(time.left, axisY), {}};
    line.strokes.reserve(2 * static_cast<size_t>(view.viewCount) + 1);
    for (int i = first; i <= last; ++i) {
        int h = activity.height(series.activity[i]);
        bool offScale = false;
        if (h < 0) {
            h = 0;
        } else if (h > scaleTop) {
            h = axisY;
            offScale = true;
        }
        line.strokes.push_back(
            {QPoint(time.x(series.elapsedTime[i - 1]), axisY - h), i == first && first > 1});
        const int xe = time.x(series.elapsedTime[i]);
        line.strokes.push_back({QPoint(xe, axisY - h), offScale});
        if (i == last)
            line.strokes.push_back(
                {QPoint(xe, activity.y(series.activity[i + 1])), last != series.measurementCount});
    }
    return line;
}

SceneGeometry ComputeSceneGeometry(const SelectedSeries& series, const ViewLayout& view, QSize size,
                                   int timeLabelWidth) {
    SceneGeometry scene;
    const GraphMargins& m = view.margins;
    scene.axisY = size.height() - m.bottom;
    const ActivityMap activity = ViewActivityMap(view, size.height());
    scene.levels = ScaleLevels(view, activity, PixelRounding::Nearest);
    scene.ticks = TimeAxisTicks(series, view, view.timeScale, m.left, size.width() - timeLabelWidth);
    scene.line = StepLineOf(series, view, ViewTimeMap(view, series), activity);
    scene.pointerX = PointerXFor(view, series, view.pointerIndex);
    return scene;
}
