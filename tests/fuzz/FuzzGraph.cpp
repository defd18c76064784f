// libFuzzer target "graph": an instrument file with a chosen series, shown in a graph area of a chosen size
// with a chosen view (a range as radview-dump asks for it, or two zoom clicks as the user gives them) and
// pointer: the view window, the axis steps, the time labels, the step line and the pointer's x, all computed
// as the painting places them, without painting a pixel. The choices come from the end of the input.

#include "tests/fuzz/FuzzCheck.h"

#include "graph/GraphImage.h"
#include "graph/GraphPaint.h"
#include "graph/SceneGeometry.h"
#include "graph/ViewLayout.h"
#include "store/SeriesEvaluation.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <tuple>
#include <vector>

namespace {

void CheckView(const ViewLayout& view, int n) {
    Require(view.viewFirst >= 1 && view.viewCount >= 1, "the view is empty", view.viewFirst, view.viewCount);
    Require(view.last() <= n, "the view runs past the series", view.last(), n);
    Require(view.pointerIndex >= view.viewFirst && view.pointerIndex <= view.last(),
            "the pointer is outside the view", view.pointerIndex);
    Require(view.activityStep >= 1, "activity step below 1", view.activityStep);
    Require(view.timeStep >= 1, "time step below 1", view.timeStep);
    Require(view.timeUnit < TimeUnitCount, "time unit out of range", view.timeUnit);
}

void CheckLevels(const SceneGeometry& scene, const ViewLayout& view) {
    Require(scene.levels.size() <= 8, "more than eight activity labels",
            static_cast<long long>(scene.levels.size()));
    // Higher activities stand higher, or, on a surface lower than its margins whose scale turns over, lower:
    // never both in one scale.
    int rising = 0;
    int falling = 0;
    for (size_t i = 0; i < scene.levels.size(); ++i) {
        const ScaleLevel& level = scene.levels[i];
        Require(level.value > 0 && level.value < view.viewMax, "a label outside the scale", level.value);
        Require(level.value % view.activityStep == 0, "a label off the step", level.value, view.activityStep);
        if (i > 0) {
            rising += level.y < scene.levels[i - 1].y;
            falling += level.y > scene.levels[i - 1].y;
        }
    }
    Require(rising == 0 || falling == 0, "the activity labels are out of order", rising, falling);
}

std::tuple<int, int, int, int, int, int> Fields(const LabelTime& t) {
    return {t.year, t.month, t.day, t.hour, t.minute, t.second};
}

void CheckTicks(const SceneGeometry& scene, const SelectedSeries& series, const ViewLayout& view, int lastX) {
    Require(scene.ticks.size() <= MaxTimeTicks, "too many time labels",
            static_cast<long long>(scene.ticks.size()));
    const std::optional<LabelTime> start = ViewStartTime(series, view.viewFirst, view.timeUnit);
    for (size_t i = 0; i < scene.ticks.size(); ++i) {
        const TimeTick& tick = scene.ticks[i];
        Require(tick.x <= lastX, "a time label past the room for it", tick.x, lastX);
        Require(start.has_value(), "time labels without a dated start");
        // Each label names a later calendar time than the one before it, the first one later than the start.
        // (Compared field by field: a 29 February that the series' month table allows in a year the calendar
        // does not is no instant of its own.)
        const LabelTime& before = i == 0 ? *start : scene.ticks[i - 1].time;
        Require(Fields(before) < Fields(tick.time), "time labels do not move on", static_cast<long long>(i));
        if (i > 0)
            Require(tick.x >= scene.ticks[i - 1].x, "a later time label stands further left", tick.x);
    }
}

void CheckLine(const SceneGeometry& scene, const SelectedSeries& series, const ViewLayout& view, QSize area) {
    const int plotHeight = area.height() - view.margins.bottom - 2 * view.margins.top;
    const StepLine& line = scene.line;
    Require(line.start == QPoint(view.margins.left, scene.axisY), "the line does not start at the axis");
    Require(line.strokes.size() == 2 * static_cast<size_t>(view.viewCount) + 1, "wrong number of strokes",
            static_cast<long long>(line.strokes.size()), view.viewCount);
    QPoint at = line.start;
    for (size_t j = 0; j + 1 < line.strokes.size(); ++j) {
        const QPoint to = line.strokes[j].to;
        // Risers go straight up or down, treads straight across.
        if (j % 2 == 0)
            Require(to.x() == at.x(), "a riser is not vertical", at.x(), to.x());
        else
            Require(to.y() == at.y(), "a tread is not horizontal", at.y(), to.y());
        // On a surface with room for the plot, a level lies between the axis and the top edge. (On one lower
        // than its margins the scale turns over and the line is drawn off the surface, clipped.)
        if (plotHeight > 0)
            Require(to.y() >= 0 && to.y() <= scene.axisY, "a level off the surface", to.y(), scene.axisY);
        at = to;
    }
    Require(line.strokes.back().to.x() == at.x(), "the closing riser is not vertical");
    Require(line.strokes.front().marked == (view.viewFirst > 1), "first riser marking");
    Require(line.strokes.back().marked == (view.last() < series.measurementCount), "closing riser marking");
    // The pointer stands within its measurement's tread.
    const int tread = 2 * (view.pointerIndex - view.viewFirst) + 1;
    const int x0 = line.strokes[tread - 1].to.x();
    const int x1 = line.strokes[tread].to.x();
    Require(scene.pointerX >= std::min(x0, x1) && scene.pointerX <= std::max(x0, x1),
            "the pointer is outside its measurement", scene.pointerX, x0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const auto seriesChoice = input.ConsumeIntegral<uint16_t>();
    const QSize area(input.ConsumeIntegralInRange(1, 4096), input.ConsumeIntegralInRange(1, 4096));
    const int labelWidth = input.ConsumeIntegralInRange(0, 200);
    const bool byClicks = input.ConsumeBool();
    const auto first = input.ConsumeIntegral<uint16_t>();
    const auto count = input.ConsumeIntegral<uint16_t>();
    const auto pointer = input.ConsumeIntegral<uint16_t>();
    const bool grid = input.ConsumeBool();
    const std::vector<uint8_t> fileBytes = input.ConsumeRemainingBytes<uint8_t>();

    const InstrumentFile file = ParsedFile(ViewerBytes(fileBytes.data(), fileBytes.size()));
    if (file.seriesCount == 0)
        return 0;
    const SeriesEvaluation ev = EvaluateSeries(file, 1 + seriesChoice % file.seriesCount);
    if (ev.refused())
        return 0;
    const SelectedSeries& series = ev.series;

    ViewLayout view;
    if (byClicks) {
        // The zoom command, then two clicks at any x, wherever they land.
        ResetView(view, series, area);
        BeginZoom(view);
        ZoomClick(view, series, area, static_cast<int16_t>(first));
        ZoomClick(view, series, area, static_cast<int16_t>(count));
        Require(view.zoomMode == ZoomState::Off, "the zoom did not end after two clicks",
                static_cast<long long>(view.zoomMode));
        view.pointerIndex = MeasurementAtX(view, series, static_cast<int16_t>(pointer));
        if (view.pointerIndex < view.viewFirst || view.pointerIndex > view.last())
            view.pointerIndex = view.viewFirst;
        SetGrid(view, grid);
    } else {
        GraphImageRequest request;
        request.size = area;
        request.first = first;
        request.count = count;
        request.pointer = pointer;
        request.grid = grid;
        view = ViewForImage(series, request);
    }
    CheckView(view, series.measurementCount);

    const SceneGeometry scene = ComputeSceneGeometry(series, view, area, labelWidth);
    Require(scene.axisY == area.height() - view.margins.bottom, "the axis is not above the bottom margin");
    CheckLevels(scene, view);
    CheckTicks(scene, series, view, area.width() - labelWidth);
    CheckLine(scene, series, view, area);
    return 0;
}
