#include "graph/ViewState.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

const char* const ZoomPrompt = QT_TRANSLATE_NOOP("ViewState", "Укажите на графике мышью область видимости ");
const char* const SecondEdgePrompt = QT_TRANSLATE_NOOP("ViewState", "Щёлкните второй край области");

QString SecondEdgePromptText() {
    return QCoreApplication::translate("ViewState", SecondEdgePrompt);
}

namespace {

int64_t LargestActivity(const SelectedSeries& series, int lo, int hi) {
    return *std::max_element(series.activity.begin() + lo, series.activity.begin() + hi + 1);
}

} // namespace

void ResetView(ViewState& view, const SelectedSeries& series) {
    view.viewFirst = 1;
    view.viewCount = series.measurementCount;
    view.viewMax = series.maxActivity;
    view.pointerIndex = 1;
    view.zoomMode = ZoomState::Off;
}

void ShowRange(ViewState& view, const SelectedSeries& series, int lo, int hi) {
    view.viewFirst = static_cast<uint16_t>(lo);
    view.viewCount = static_cast<uint16_t>(hi - lo + 1);
    view.viewMax = LargestActivity(series, lo, hi);
    view.pointerIndex = view.viewFirst;
    view.zoomMode = ZoomState::Off;
}

void ShowWholeSeries(ViewState& view, const SelectedSeries& series) {
    view.zoomMode = ZoomState::Off;
    view.viewFirst = 1;
    view.viewCount = series.measurementCount;
    view.viewMax = series.maxActivity;
}

QString BeginZoom(ViewState& view) {
    view.zoomMode = ZoomState::AwaitingFirstEdge;
    return QCoreApplication::translate("ViewState", ZoomPrompt);
}

bool ZoomEdge(ViewState& view, const SelectedSeries& series, int k) {
    if (view.zoomMode == ZoomState::AwaitingFirstEdge) {
        view.zoomAnchor = k;
        view.zoomMode = ZoomState::AwaitingSecondEdge;
        return false;
    }
    if (view.zoomMode != ZoomState::AwaitingSecondEdge)
        return false;
    ShowRange(view, series, std::min<int>(view.zoomAnchor, k), std::max<int>(view.zoomAnchor, k));
    return true;
}

namespace {

// Shows count measurements from first on, first pulled within the series. The pointer stays where it is
// while it is in view, so that the wheel does not jump it about; one left outside goes to the range's first
// measurement, as a zoom puts it. A pending two-click zoom goes on waiting: its edges are measurements, and
// the wheel only changes how they are seen.
bool ShowCountFrom(ViewState& view, const SelectedSeries& series, int first, int count) {
    const int n = series.measurementCount;
    count = std::clamp(count, 1, n);
    first = std::clamp(first, 1, n - count + 1);
    if (first == view.viewFirst && count == view.viewCount)
        return false;
    const int hi = first + count - 1;
    view.viewFirst = static_cast<uint16_t>(first);
    view.viewCount = static_cast<uint16_t>(count);
    view.viewMax = LargestActivity(series, first, hi);
    if (view.pointerIndex < first || view.pointerIndex > hi)
        view.pointerIndex = view.viewFirst;
    return true;
}

} // namespace

namespace {

// Where a moment stands across measurements first … first + count − 1, 0 at the start of the first and 1 at
// the end of the last; absent where the clock went back over them.
std::optional<double> ShareOfRange(const SelectedSeries& series, int first, int count, double seconds) {
    const auto start = static_cast<double>(series.elapsedTime[first - 1]);
    const auto end = static_cast<double>(series.elapsedTime[first + count - 1]);
    if (end <= start)
        return std::nullopt;
    return (seconds - start) / (end - start);
}

// The measurement a moment falls in as the graph finds it under the mouse: the first (from 1, at most n)
// that ends at or after it. Asked only whether it is k, it looks at k and the one before.
int MeasurementHolding(const SelectedSeries& series, double seconds) {
    const int n = series.measurementCount;
    int k = 1;
    while (k < n && static_cast<double>(series.elapsedTime[k]) < seconds)
        ++k;
    return k;
}
int MeasurementHolding(const SelectedSeries& series, double seconds, int k) {
    const bool endsAfter =
        k == series.measurementCount || static_cast<double>(series.elapsedTime[k]) >= seconds;
    const bool startsBefore = k == 1 || static_cast<double>(series.elapsedTime[k - 1]) < seconds;
    return endsAfter && startsBefore ? k : 0;
}

int WheelCount(int count, int n, double factor) {
    int wanted = static_cast<int>(std::lround(count * factor));
    // A small view still takes a step each turn of the wheel.
    if (factor < 1)
        wanted = std::min(wanted, count - 1);
    else if (factor > 1)
        wanted = std::max(wanted, count + 1);
    return std::clamp(wanted, 1, n);
}

} // namespace

bool ZoomAround(ViewState& view, const SelectedSeries& series, double seconds, double factor) {
    const int n = series.measurementCount;
    if (n == 0 || view.viewCount == 0 || factor <= 0)
        return false;
    const int wanted = WheelCount(view.viewCount, n, factor);
    const double share = ShareOfRange(series, view.viewFirst, view.viewCount, seconds).value_or(0.5);
    const int k =
        std::clamp(MeasurementHolding(series, seconds), static_cast<int>(view.viewFirst), view.last());
    // Of the ranges of the new size, the one where the moment under the mouse still falls in measurement k
    // and nearest the moment; where none keeps k there (k is short beside its neighbours), the nearest.
    int best = view.viewFirst;
    bool bestKeeps = false;
    double bestMiss = std::numeric_limits<double>::infinity();
    for (int first = 1; first + wanted - 1 <= n; ++first) {
        const auto start = static_cast<double>(series.elapsedTime[first - 1]);
        const auto end = static_cast<double>(series.elapsedTime[first + wanted - 1]);
        if (end <= start)
            continue;
        const double moment = start + share * (end - start);
        const bool keeps = MeasurementHolding(series, moment, k) == k;
        const double miss = std::abs(moment - seconds);
        if ((keeps && !bestKeeps) || (keeps == bestKeeps && miss < bestMiss)) {
            best = first;
            bestKeeps = keeps;
            bestMiss = miss;
        }
    }
    return ShowCountFrom(view, series, best, wanted);
}

bool PanTo(ViewState& view, const SelectedSeries& series, int first) {
    if (series.measurementCount == 0 || view.viewCount == 0)
        return false;
    return ShowCountFrom(view, series, first, view.viewCount);
}

void SetGrid(ViewState& view, bool down) {
    view.gridOn = down;
}
