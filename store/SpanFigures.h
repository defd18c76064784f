#pragma once

#include "store/MeasurementStore.h"
#include "store/SpanStatistics.h"

#include <QDateTime>

#include <cstdint>
#include <optional>
#include <vector>

// The figures of a span the user marks on the graph, live while the mouse moves. They are the report's
// figures for the same span, made by the same functions, with the seconds behind its shares beside them.

// The span's last mark lies before its first: the instrument's clock went back over it, and neither its
// duration nor its average means anything.
bool ClockWentBackOverSpan(const SelectedSeries& series, const MeasurementSpan& span);

// The span's measured time: its positive exposures added. Zero and negative ones are left by bad marks and
// clocks that went back.
int64_t MeasuredSeconds(const SelectedSeries& series, const MeasurementSpan& span);

// The seconds during which the step line stands above the level: the positive exposures of the
// measurements whose activity is above it. Their share of MeasuredSeconds is the report's time above.
int64_t SecondsAboveLevel(const SelectedSeries& series, const MeasurementSpan& span, int64_t level);

struct SpanFigures {
    int count = 0;                   // measurements of the span, bad marks' included
    QDateTime firstMoment;           // the start of its first measurement
    QDateTime lastMoment;            // the end of its last
    std::optional<int64_t> duration; // seconds from first to last moment; absent when clockWentBack
    bool clockWentBack = false;      // the report then adds "часы прибора шли назад"
    int64_t measuredSeconds = 0;     // MeasuredSeconds
    SpanStatistics statistics; // as the report states them: average and ЭРОА absent when clockWentBack
    std::vector<int64_t> secondsAbove; // one per level, in statistics.timeAbove's order
};

// Every figure of the span (which must lie in the series) for the levels given, in Bq/m³.
SpanFigures ComputeSpanFigures(const SelectedSeries& series, uint16_t sensitivity,
                               const MeasurementSpan& span, const std::vector<int64_t>& levels);
