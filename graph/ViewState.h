#pragma once

#include "store/MeasurementStore.h"

#include <QString>

#include <cstdint>

// Where a zoom chosen with two clicks on the graph stands.
enum class ZoomState : uint8_t {
    Off,
    AwaitingFirstEdge,  // "Увеличение" was chosen: the next click on the graph marks one edge
    AwaitingSecondEdge, // the next click marks the other edge and shows the range between them
};

// What the user looks at, whatever the size of the area it is drawn on: the measurements in view, the
// activity the vertical scale is made for, the measurement under the pointer, the zoom being chosen and the
// grid switch. Plain data; the functions below keep its invariants (first ≤ pointer ≤ last while a series
// is shown).
struct ViewState {
    uint16_t viewFirst = 1;
    uint16_t viewCount = 0;
    uint16_t pointerIndex = 1;
    int64_t viewMax = 0; // the largest activity in view: the vertical scale reaches it
    ZoomState zoomMode = ZoomState::Off;
    int32_t zoomAnchor = 0; // the measurement the first zoom click chose
    bool gridOn = false;

    int last() const { return viewFirst + viewCount - 1; }
};

// A new series: seen whole, the pointer on measurement 1, no zoom. The grid is kept.
void ResetView(ViewState& view, const SelectedSeries& series);

// Shows measurements lo … hi with the vertical scale made for their own maximum, the pointer on lo, no zoom.
void ShowRange(ViewState& view, const SelectedSeries& series, int lo, int hi);

// "Первоначальный вид": the whole series again; the pointer stays, a pending zoom is forgotten.
void ShowWholeSeries(ViewState& view, const SelectedSeries& series);

// "Увеличение": waits for two clicks (a pending first point is forgotten); answers the prompt for the status
// bar, in the interface's language.
QString BeginZoom(ViewState& view);
extern const char* const ZoomPrompt;
// What status panel 1 says once the first edge of a zoom is chosen: the source text and its translation.
extern const char* const SecondEdgePrompt; // "Щёлкните второй край области"
QString SecondEdgePromptText();

// A click on measurement k while a zoom is chosen: the first marks an edge, the second shows the range
// between the two edges, in either order. Answers true when the range was applied.
bool ZoomEdge(ViewState& view, const SelectedSeries& series, int k);

// The wheel with the mouse at `seconds` after mark 0: the view takes factor times as many measurements
// (fewer below 1), at least one more or one fewer, within 1 … n, and of the ranges that hold the moment the
// one is shown where it keeps its share of the view's time, so that the measurement under the mouse stays
// under it as far as whole measurements allow. The vertical scale is made for the new range's own maximum,
// as a zoom's second click makes it. Answers whether the view changed.
bool ZoomAround(ViewState& view, const SelectedSeries& series, double seconds, double factor);

// Panning: the same number of measurements from first on, first kept within 1 … n − count + 1, the
// vertical scale made for the range's own maximum. Answers whether the view changed.
bool PanTo(ViewState& view, const SelectedSeries& series, int first);

// The grid button went down or up.
void SetGrid(ViewState& view, bool down);
