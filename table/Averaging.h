#pragma once

#include "store/MeasurementStore.h"
#include "store/Outcome.h"
#include "store/SpanStatistics.h"

#include <QString>

#include <cstdint>

// What the user is told when a chosen span leaves the series.
QString SpanOutsideSeriesMessage(int measurementCount);

// The average in Bq/m³, or a failure whose message tells the user there is nothing to divide by.
using AverageResult = Result<int64_t>;

// The span's average (m × 1.28e9 / (T × S): the number of measurements over the span's whole time, so that
// long measurements weigh more than in a plain mean of the activities) or what the user is told instead.
// The span must lie in the series.
AverageResult AverageActivity(const SelectedSeries& series, uint16_t sensitivity,
                              const MeasurementSpan& span);
