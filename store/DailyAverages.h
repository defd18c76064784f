#pragma once

#include "store/SpanStatistics.h"

#include <QDate>

#include <cstdint>
#include <vector>

// One period of a span (a calendar day, a month or one or more years): how much measurement time falls in
// it and the activity over that time.
struct DailyAverage {
    QDate date;             // the period's first day
    int64_t seconds = 0;    // positive-exposure measurement time falling in the period
    int64_t average = 0;    // time-weighted over those seconds, Bq/m³, rounded halves to even
    Extended unrounded = 0; // the same before rounding, for a table in another unit
};

// Every calendar day that holds some of the span's positive-exposure measurement time, in date order. A
// measurement across midnight counts in both days by the seconds on each side.
//
// The weights are each measurement's unrounded activity (its factor over S × exposure), not the table's
// integers: a measurement lying wholly in the day then contributes exactly its factor, so a day made of
// whole good measurements comes out at m × 1.28e9 / (T × S), the span average of those measurements.
std::vector<DailyAverage> ComputeDailyAverages(const SelectedSeries& series, uint16_t sensitivity,
                                               const MeasurementSpan& span);

// How long a period of a report's table of averages is: a span of up to 62 days is told by days, one of
// up to 5 years by months, a longer one by years, several years to a row where there would be more than
// MostPeriodRows rows, so that the table of any span fits a few pages.
enum class AveragePeriod { Day, Month, Year };
constexpr int MostPeriodRows = 100;

struct PeriodAverages {
    AveragePeriod period = AveragePeriod::Day;
    int yearsPerRow = 1; // AveragePeriod::Year only
    std::vector<DailyAverage> rows;
};

// The periods from the earliest to the latest mark of the span, each weighted as the days above are.
PeriodAverages ComputePeriodAverages(const SelectedSeries& series, uint16_t sensitivity,
                                     const MeasurementSpan& span);
