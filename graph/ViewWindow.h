#pragma once

#include "graph/GraphGeometry.h"
#include "graph/ScaleMap.h"
#include "store/MeasurementStore.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>

// Which measurements the graph shows, where the pointer stands, how seconds and activities map to pixels,
// the axis steps, the grid flag and the zoom state. Plain data; the operations below keep its invariants.
struct ViewWindow {
    uint16_t viewFirst = 1;
    uint16_t viewCount = 0;
    uint16_t pointerIndex = 1;
    uint8_t zoomMode = 0; // 0 normal, 1 waiting for the first click, 2 waiting for the second
    int32_t zoomAnchor = 0;
    int64_t viewMax = 0;
    float timeScale = 0;
    float activityScale = 0;
    uint8_t timeUnit = 0;
    uint16_t timeStep = 1;
    int64_t activityStep = 1;
    bool gridOn = false;
    GraphMargins margins;

    int last() const { return viewFirst + viewCount - 1; }
};

// Where the view's seconds and activities land on a surface of the given height.
TimeMap ViewTimeMap(const ViewWindow& view, const SelectedSeries& series);
ActivityMap ViewActivityMap(const ViewWindow& view, int height);

// Steps 1 to 3 of a new series and its axis steps: the whole series, scaled to its maximum with a top gap,
// the pointer on measurement 1, no zoom. Grid and margins are kept.
void ResetView(ViewWindow& view, const SelectedSeries& series, QSize area);

// Pixels per second across the frame for the visible duration (at least one second).
void UpdateTimeScale(ViewWindow& view, const SelectedSeries& series, int width);

void ChooseAxisSteps(ViewWindow& view, const SelectedSeries& series);

// The measurement under x: the first one (searching from 1, at most n) that ends at or after the time x
// stands for, so a click exactly on a measurement's end takes that measurement.
uint16_t MeasurementAtX(const ViewWindow& view, const SelectedSeries& series, int x);

// Shows measurements lo … hi scaled to their own maximum with a top gap, the pointer on lo.
void ShowRange(ViewWindow& view, const SelectedSeries& series, QSize area, int lo, int hi);

// A click on the graph while a zoom is chosen. Answers true when the second click has applied a new range
// (the graph must be repainted and the table follow the pointer); the caller draws the red dot either way.
bool ZoomClick(ViewWindow& view, const SelectedSeries& series, QSize area, int x);

// "Первоначальный вид": the whole series again; the pointer stays.
void ShowWholeSeries(ViewWindow& view, const SelectedSeries& series, QSize area);

// "Увеличение": waits for two clicks; answers the prompt for the status bar.
QString BeginZoom(ViewWindow& view);
extern const char* const ZoomPrompt;
// What status panel 1 says once the first edge of a zoom is chosen.
extern const char* const SecondEdgePrompt; // "Щёлкните второй край области"

// A place on the graph held by what it shows, seconds since the series' start and an activity, rather than
// by pixels: it keeps its place on the graph when the area changes size.
struct GraphPoint {
    Extended seconds = 0;
    Extended activity = 0;
};
GraphPoint GraphPointAt(const ViewWindow& view, const SelectedSeries& series, QSize area, QPoint at);
QPoint PixelOf(const ViewWindow& view, const SelectedSeries& series, QSize area, const GraphPoint& point);

// While a zoom waits for its second click: the span a second click at x would show, from the start of its
// first measurement to the end of its last, over the plot frame's height, within the area.
QRect ZoomSpanRect(const ViewWindow& view, const SelectedSeries& series, QSize area, int x);

// The paint area got a new size: the time scale follows the width, the activity scale the height with the
// view's own maximum touching the frame's top. Nothing happens while no series is shown.
void ResizeView(ViewWindow& view, const SelectedSeries& series, QSize area);

void SetGrid(ViewWindow& view, bool down);
