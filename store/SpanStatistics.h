#pragma once

#include "store/Extended.h"
#include "store/MeasurementStore.h"

#include <QDateTime>

#include <cstdint>
#include <optional>
#include <vector>

// What a span of measurements amounts to: the moments of its marks, its average and equilibrium value,
// the spread of its activities and the share of time above given levels. Every output of the program that
// states such a figure (file, clipboard, report, command line) takes it from here.
//
// Rounding: every figure is formed in 80-bit extended precision on the exact integer operands and turned
// into an integer once, by Round (halves to the even neighbour):
//   average       Round(m × 1.28e9 / (T × S)), the averaging command's value;
//   equilibrium   Round(half the unrounded average), as the equilibrium value of a whole series;
//   median        the middle activity, or Round((a + b) / 2) of the two middle ones (at worst an exact half);
//   time above    Round(1000 × seconds above / measured seconds) tenths of a percent;
//   pCi/L         Round(100 × Bq/m³ / 37) hundredths.
// Activities themselves are the integers of the table. Absent values (std::nullopt) are shown as "—".

// A span of consecutive measurements, 1-based and inclusive.
struct MeasurementSpan {
    int first = 0;
    int last = 0;
};

// True when 1 ≤ first ≤ last ≤ n.
bool IsSpanInSeries(const MeasurementSpan& span, int measurementCount);

// Moments are the instrument's local wall-clock time. They are held as QDateTime in UTC only so that no
// daylight-saving rule of the machine can shift or drop an hour; no time zone is meant.

// Mark 0 in the year the series was recorded in (2000 + the year byte): the series' last year less the
// new years its marks pass.
QDateTime SeriesStartMoment(const SelectedSeries& series);

// Mark j (0..n): ElapsedTime[j] seconds after mark 0. So measurement k runs from mark k−1 to mark k, each
// with its true year whatever the marks' month texts say, and a bad mark stands at the last good mark's
// moment.
QDateTime MarkMoment(const SelectedSeries& series, const QDateTime& seriesStart, int j);
QDateTime MarkMoment(const SelectedSeries& series, int j);

// ElapsedTime[k] − ElapsedTime[k−1]: zero for a bad mark, negative where the clock went back.
int64_t MeasurementExposure(const SelectedSeries& series, int k);

// The bad marks among the marks that end the span's measurements: a bad mark gets no time of its own, and a
// good mark always lies some time after the last good one, so they are the measurements of zero exposure.
int BadMarksInSpan(const SelectedSeries& series, const MeasurementSpan& span);

// Only a measurement of positive length is a measurement of air; zero and negative lengths are left by bad
// marks and clocks that went back.
bool HasPositiveExposure(const SelectedSeries& series, int k);

// The factor the evaluation gave measurement k of non-zero exposure: the doubled one when mark k−1 was bad
// (a bad mark never gets time of its own, so it is the mark whose measurement has zero exposure) or when
// the exposure is negative, the plain one otherwise.
Extended ActivityFactor(const SelectedSeries& series, int k);

// The activity of measurement k before rounding: its factor over S × exposure. A bad mark's own
// measurement reads 0, as in the table.
Extended UnroundedActivity(const SelectedSeries& series, uint16_t sensitivity, int k);

// m × 1.28e9 / (T × S) with T the span's whole time; absent when T × S is zero.
std::optional<Extended> UnroundedSpanAverage(const SelectedSeries& series, uint16_t sensitivity,
                                             const MeasurementSpan& span);
std::optional<int64_t> SpanAverage(const SelectedSeries& series, uint16_t sensitivity,
                                   const MeasurementSpan& span);
// ЭРОА of the span; over 1..n it is the series' EquilibriumActivity.
std::optional<Extended> UnroundedSpanEquilibrium(const SelectedSeries& series, uint16_t sensitivity,
                                                 const MeasurementSpan& span);
std::optional<int64_t> SpanEquilibrium(const SelectedSeries& series, uint16_t sensitivity,
                                       const MeasurementSpan& span);

// The remaining figures look only at the span's measurements with a positive exposure and are absent when
// there is none.

// The middle activity, or the exact half-sum of the two middle ones.
std::optional<Extended> UnroundedSpanMedian(const SelectedSeries& series, const MeasurementSpan& span);
std::optional<int64_t> SpanMedian(const SelectedSeries& series, const MeasurementSpan& span);

struct ExtremeActivity {
    int64_t activity = 0;
    int measurement = 0; // the first measurement of the span that has it
    QDateTime start;     // that measurement's start moment
};

std::optional<ExtremeActivity> SpanMinimum(const SelectedSeries& series, const MeasurementSpan& span);
std::optional<ExtremeActivity> SpanMaximum(const SelectedSeries& series, const MeasurementSpan& span);

// The exposures of the measurements whose activity is above the level, added, as tenths of a percent of the
// span's measured time. That time is the sum of the positive exposures: it equals the span's whole time T
// unless the clock went back inside the span, where T would give shares beyond 100 %.
std::optional<int64_t> TimeAboveTenthsOfPercent(const SelectedSeries& series, const MeasurementSpan& span,
                                                int64_t level);

// Levels in Bq/m³ a report states the time above when none are given.
std::vector<int64_t> DefaultLevels();
// The levels a report states the time above: the user's, or the defaults while the user has set none.
std::vector<int64_t> StatedLevels(const std::vector<int64_t>& userLevels);

struct TimeAbove {
    int64_t level = 0;
    std::optional<int64_t> tenthsOfPercent;
};

struct SpanStatistics {
    std::optional<int64_t> average;
    std::optional<int64_t> equilibrium;
    std::optional<int64_t> median;
    std::optional<ExtremeActivity> minimum;
    std::optional<ExtremeActivity> maximum;
    std::vector<TimeAbove> timeAbove; // one per level, in the order given
};

// Every figure of the span; the span must lie in the series.
SpanStatistics ComputeSpanStatistics(const SelectedSeries& series, uint16_t sensitivity,
                                     const MeasurementSpan& span,
                                     const std::vector<int64_t>& levels = DefaultLevels());

// Bq/m³ in pCi/L (1 pCi/L = 37 Bq/m³), as hundredths. A quotient by 37 of an integer is never exactly a
// half, so for the table's integer activities the rule of halves never has to choose.
int64_t PicocuriesPerLitreHundredths(Extended becquerelsPerCubicMetre);
