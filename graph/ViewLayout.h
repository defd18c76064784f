#pragma once

#include "graph/GraphGeometry.h"
#include "graph/ScaleMap.h"
#include "graph/ViewState.h"
#include "store/MeasurementStore.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>

// A view laid out on a surface: the view state it was laid out for, how seconds and activities map to the
// surface's pixels, the axis steps and the margins. Plain data; the operations below keep its invariants.
struct ViewLayout : ViewState {
    float timeScale = 0;
    float activityScale = 0;
    // The scale's top stands one top margin below the frame; a resize stretches it to the frame's top line
    // until the next change of the range.
    bool topGap = true;
    uint8_t timeUnit = 0;
    uint16_t timeStep = 1;
    int64_t activityStep = 1;
    GraphMargins margins;
};

// A view state with the axis steps it takes, for a surface that works out its own scales (a printed page).
ViewLayout ViewWithAxisSteps(const ViewState& state, const SelectedSeries& series);

// Lays the view out on an area of the given size: the time scale across the frame, the vertical scale with
// the view's maximum a top margin below the frame's top, and the axis steps.
void LayOutView(ViewLayout& view, const SelectedSeries& series, QSize area);

// Where the view's seconds and activities land on a surface of the given height.
TimeMap ViewTimeMap(const ViewLayout& view, const SelectedSeries& series);
ActivityMap ViewActivityMap(const ViewLayout& view, int height);

// A new series laid out: the whole series, scaled to its maximum with a top gap, the pointer on measurement
// 1, no zoom. Grid and margins are kept.
void ResetView(ViewLayout& view, const SelectedSeries& series, QSize area);

// Pixels per second across the frame for the visible duration (at least one second).
void UpdateTimeScale(ViewLayout& view, const SelectedSeries& series, int width);

void ChooseAxisSteps(ViewLayout& view, const SelectedSeries& series);

// The measurement under x: the first one (searching from 1, at most n) that ends at or after the time x
// stands for, so a click exactly on a measurement's end takes that measurement.
uint16_t MeasurementAtX(const ViewLayout& view, const SelectedSeries& series, int x);

// Shows measurements lo … hi scaled to their own maximum with a top gap, the pointer on lo.
void ShowRange(ViewLayout& view, const SelectedSeries& series, QSize area, int lo, int hi);

// A click on the graph while a zoom is chosen. Answers true when the second click has applied a new range
// (the graph must be repainted and the table follow the pointer); the caller draws the red dot either way.
bool ZoomClick(ViewLayout& view, const SelectedSeries& series, QSize area, int x);

// "Первоначальный вид": the whole series again; the pointer stays.
void ShowWholeSeries(ViewLayout& view, const SelectedSeries& series, QSize area);

// A place on the graph held by what it shows, seconds since the series' start and an activity, rather than
// by pixels: it keeps its place on the graph when the area changes size.
struct GraphPoint {
    Extended seconds = 0;
    Extended activity = 0;
};
GraphPoint GraphPointAt(const ViewLayout& view, const SelectedSeries& series, QSize area, QPoint at);
QPoint PixelOf(const ViewLayout& view, const SelectedSeries& series, QSize area, const GraphPoint& point);

// While a zoom waits for its second click: the span a second click at x would show, from the start of its
// first measurement to the end of its last, over the plot frame's height, within the area.
QRect ZoomSpanRect(const ViewLayout& view, const SelectedSeries& series, QSize area, int x);

// The paint area got a new size: the time scale follows the width, the activity scale the height with the
// view's own maximum touching the frame's top, giving up the top gap. Nothing happens while no series is
// shown.
void ResizeView(ViewLayout& view, const SelectedSeries& series, QSize area);
