#pragma once

#include "store/SpanStatistics.h"

#include <QDate>

#include <cstdint>
#include <vector>

// One calendar day of a span: how much measurement time falls in it and the activity over that time.
struct DailyAverage {
    QDate date;
    int64_t seconds = 0; // positive-exposure measurement time falling in the day
    int64_t average = 0; // time-weighted over those seconds, Bq/m³, rounded halves to even
};

// Every calendar day that holds some of the span's positive-exposure measurement time, in date order. A
// measurement across midnight counts in both days by the seconds on each side.
//
// The weights are each measurement's unrounded activity (its factor over S × exposure), not the table's
// integers: a measurement lying wholly in the day then contributes exactly its factor, so a day made of
// whole good measurements comes out at m × 1.28e9 / (T × S), the span average of those measurements.
std::vector<DailyAverage> ComputeDailyAverages(const SelectedSeries& series, uint16_t sensitivity,
                                               const MeasurementSpan& span);
