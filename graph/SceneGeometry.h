#pragma once

#include "graph/ScaleMap.h"
#include "graph/TimeLabels.h"
#include "graph/ViewLayout.h"
#include "store/ActivityUnit.h"
#include "store/MeasurementStore.h"

#include <QPoint>
#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

// Where everything of the graph stands, worked out without a painter: the drawing routines place what is
// computed here, and tests and the fuzzer check it without painting a pixel.

// More time labels than this cannot be told apart on any surface; it also ends the walk on a degenerate
// scale.
constexpr int MaxTimeTicks = 4096;

// A label of the vertical scale: its value in the scale's unit (Bq/m³, or hundredths of pCi/L), the y it
// is drawn at and its text.
struct ScaleLevel {
    int64_t value = 0;
    int y = 0;
    QString text;
};

// A label of the time axis: its calendar time and the x of its tick.
struct TimeTick {
    LabelTime time;
    int x = 0;
};

// One stroke of the stepped line, from where the last one ended. Marked strokes are the screen's red ones:
// the first riser when the series goes on before the view, a tread whose level is off the scale, the
// closing riser when the series goes on after the view.
struct StepStroke {
    QPoint to;
    bool marked = false;
};

// The stepped line as the pen travels it: from the axis at the frame's left end, for every visible
// measurement a riser to its level and a tread to its end, then a closing riser to the level of the
// measurement that follows (0 at the series' end). A level below 0 lies on the axis; one above the scale's
// top reaches the surface's top edge.
struct StepLine {
    QPoint start;
    std::vector<StepStroke> strokes;
};

// The time axis labels from just after the view's start on, calendar-aligned, while their tick stays at or
// left of lastX; none when the view's start has no date or the scale is not positive.
std::vector<TimeTick> TimeAxisTicks(const SelectedSeries& series, const ViewLayout& view, float scale,
                                    int leftMargin, int lastX);

// The labelled levels of the vertical scale, every activityStep from the first step up to below the view's
// maximum (0 and the top are not labelled), at the heights the map gives them. In pCi/L the step is chosen
// as the Bq/m³ one is, on the maximum converted to hundredths of pCi/L, so the labels are round in pCi/L;
// they carry the decimals the step needs.
std::vector<ScaleLevel> ScaleLevels(const ViewLayout& view, const ActivityMap& activity,
                                    PixelRounding rounding,
                                    ActivityUnit unit = ActivityUnit::BecquerelPerCubicMetre);

// x of the pointer line on measurement pointerIndex: the middle of the measurement.
int PointerXFor(const ViewLayout& view, const SelectedSeries& series, int pointerIndex);

// The view's step line with the given maps; time's origin is the start of the view.
StepLine StepLineOf(const SelectedSeries& series, const ViewLayout& view, const TimeMap& time,
                    const ActivityMap& activity);

// The screen graph on a surface of the given size: the vertical scale's labels (0 and the top are not
// labelled), the time axis labels with room for one label of timeLabelWidth at the right edge, the step
// line and the pointer's x.
struct SceneGeometry {
    int axisY = 0;
    std::vector<ScaleLevel> levels;
    std::vector<TimeTick> ticks;
    StepLine line;
    int pointerX = 0;
};

SceneGeometry ComputeSceneGeometry(const SelectedSeries& series, const ViewLayout& view, QSize size,
                                   int timeLabelWidth);
