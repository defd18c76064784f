#include "graph/ViewState.h"

#include <algorithm>

const char* const ZoomPrompt = "Укажите на графике мышью область видимости ";
const char* const SecondEdgePrompt = "Щёлкните второй край области";

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
    return QString::fromUtf8(ZoomPrompt);
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

void SetGrid(ViewState& view, bool down) {
    view.gridOn = down;
}
