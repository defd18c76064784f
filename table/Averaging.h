#pragma once

#include "MeasurementStore.h"

#include <QString>

#include <cstdint>

// A span of consecutive measurements, 1-based and inclusive.
struct MeasurementSpan {
    int first = 0;
    int last = 0;
};

// True when 1 ≤ first ≤ last ≤ n.
bool IsSpanInSeries(const MeasurementSpan& span, int measurementCount);

// What the user is told when a chosen span leaves the series.
QString SpanOutsideSeriesMessage(int measurementCount);

struct AverageResult {
    int64_t average = 0;
    QString error; // a message for the user when there is nothing to divide by
    bool ok() const { return error.isEmpty(); }
};

// m × 1.28e9 / (T × S) over the span: the number of measurements over the span's whole time, so that long
// measurements weigh more than in a plain mean of the activities. The span must lie in the series.
AverageResult AverageActivity(const SelectedSeries& series, uint16_t sensitivity,
                              const MeasurementSpan& span);
