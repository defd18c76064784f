#include "tests/support/MarkSeries.h"

#include "store/SpanStatistics.h"
#include "table/Averaging.h"
#include "tests/support/SampleFiles.h"

#include <gtest/gtest.h>

namespace {

// Sensitivity 1000, so an activity is 1.28e6 / seconds (2.56e6 / seconds after a bad mark). Mark 3 is a
// bad mark (hour 25), so measurement 3 has no exposure and measurement 4 counts from mark 2, doubled:
//   k   from       to         exposure  activity
//   1   10:00:00   11:46:40   6400      200
//   2   11:46:40   12:40:00   3200      400
//   3   12:40:00   12:40:00   0         0
//   4   12:40:00   16:13:20   12800     200
//   5   16:13:20   20:40:00   16000     80
//   6   20:40:00   21:01:20   1280      1000
// T = 39680 s over 6 measurements: average 6 × 1.28e9 / (39680 × 1000) = 193.55.
SelectedSeries SeriesWithABadMark() {
    const SeriesEvaluation result = EvaluateMarks(1000, 25,
                                                  {{3, 14, 10, 0, 0},
                                                   {3, 14, 11, 46, 40},
                                                   {3, 14, 12, 40, 0},
                                                   {3, 14, 25, 0, 0},
                                                   {3, 14, 16, 13, 20},
                                                   {3, 14, 20, 40, 0},
                                                   {3, 14, 21, 1, 20}});
    EXPECT_EQ(result.messages.size(), 1);
    return result.series;
}

// The clock goes back 600 s at mark 2: measurement 2 has a negative exposure and a negative activity.
//   1: +1800 s → 711;  2: −600 s → −4267 (doubled factor);  3: +1200 s → 1067;  T = 2400 s.
SelectedSeries SeriesWhoseClockGoesBack() {
    return EvaluateMarks(1000, 25,
                         {{5, 10, 10, 0, 0}, {5, 10, 10, 30, 0}, {5, 10, 10, 20, 0}, {5, 10, 10, 40, 0}})
        .series;
}

// Measurements of the given lengths in seconds at sensitivity 1000, from 1 March 2025.
SelectedSeries SeriesOfIntervals(const std::vector<int>& seconds) {
    const QByteArray bytes =
        InstrumentFileBuilder::IntervalSeries(1, 1000, WallClock(2025, 3, 1, 0, 0), seconds);
    return EvaluateSeries(ParseBytes(bytes), 1).series;
}

TEST(SpanMoments, MarksStandAtTheirElapsedTimeAfterTheFirstMark) {
    const SelectedSeries series = SeriesWithABadMark();
    EXPECT_EQ(SeriesStartMoment(series), WallClock(2025, 3, 14, 10, 0));
    EXPECT_EQ(MarkMoment(series, 1), WallClock(2025, 3, 14, 11, 46, 40));
    EXPECT_EQ(MarkMoment(series, 6), WallClock(2025, 3, 14, 21, 1, 20));
    // The bad mark reads hour 25; it stands where the last good mark stood.
    EXPECT_EQ(MarkMoment(series, 3), WallClock(2025, 3, 14, 12, 40));
    EXPECT_EQ(MarkMoment(series, 4), WallClock(2025, 3, 14, 16, 13, 20));
}

TEST(SpanMoments, TheYearIsTheSeriesOwnAndRollsOverAtTheNewYear) {
    const SelectedSeries series =
        EvaluateMarks(1000, 23, {{12, 31, 23, 0, 0}, {1, 1, 1, 0, 0}, {2, 29, 12, 0, 0}}).series;
    ASSERT_EQ(series.currentYear, 2024);
    EXPECT_EQ(SeriesStartMoment(series), WallClock(2023, 12, 31, 23, 0));
    EXPECT_EQ(MarkMoment(series, 1), WallClock(2024, 1, 1, 1, 0));
    EXPECT_EQ(MarkMoment(series, 2), WallClock(2024, 2, 29, 12, 0)); // a leap day, only in the new year
}

TEST(SpanMoments, TheLongSampleStartsInItsOwnYearAndEndsInTheNext) {
    const InstrumentFile file = ParseBytes(SampleFiles()[2].bytes);
    const SelectedSeries series = EvaluateSeries(file, 1).series;
    EXPECT_EQ(SeriesStartMoment(series), WallClock(2025, 12, 17, 11, 0, 15));
    const TimeMark& last = file.seriesMarks[1].back();
    EXPECT_EQ(MarkMoment(series, series.measurementCount),
              WallClock(2026, last.month, last.day, last.hour, last.minute, last.second));
}

TEST(SpanActivities, TheFactorIsDoubledAfterABadMarkAndWhereTheClockWentBack) {
    const SelectedSeries withBadMark = SeriesWithABadMark();
    EXPECT_EQ(ActivityFactor(withBadMark, 1), 1.28e9L);
    EXPECT_EQ(ActivityFactor(withBadMark, 4), 2.56e9L);
    EXPECT_EQ(ActivityFactor(withBadMark, 5), 1.28e9L);
    EXPECT_EQ(ActivityFactor(SeriesWhoseClockGoesBack(), 2), 2.56e9L);
    EXPECT_EQ(ActivityFactor(SeriesWhoseClockGoesBack(), 3), 1.28e9L);
    EXPECT_EQ(UnroundedActivity(withBadMark, 1000, 3), 0); // the bad mark's own measurement
}

TEST(SpanActivities, UnroundedActivitiesRoundToTheTableValues) {
    struct Evaluated {
        SelectedSeries series;
        uint16_t sensitivity;
    };
    std::vector<Evaluated> all = {{SeriesWithABadMark(), 1000}, {SeriesWhoseClockGoesBack(), 1000}};
    for (const SampleFile& sample : SampleFiles()) {
        const InstrumentFile file = ParseBytes(sample.bytes);
        for (int s = 1; s <= file.seriesCount; ++s) {
            const SeriesEvaluation evaluation = EvaluateSeries(file, s);
            if (!evaluation.refused())
                all.push_back({evaluation.series, file.sensitivity});
        }
    }
    ASSERT_EQ(all.size(), 7u);
    for (const Evaluated& evaluated : all) {
        for (int k = 1; k <= evaluated.series.measurementCount; ++k)
            EXPECT_EQ(Round(UnroundedActivity(evaluated.series, evaluated.sensitivity, k)),
                      evaluated.series.activity[k])
                << k;
    }
}

TEST(SpanAverage, IsTheAveragingCommandsValueAndItsHalfIsTheEquilibrium) {
    const SelectedSeries series = SeriesWithABadMark();
    EXPECT_EQ(SpanAverage(series, 1000, {1, 6}), 194);
    EXPECT_EQ(AverageActivity(series, 1000, {1, 6}).value(), 194);
    EXPECT_EQ(SpanEquilibrium(series, 1000, {1, 6}), 97); // 96.77
    // Measurements 4 … 5: 2 × 1.28e9 / (28800 × 1000) = 88.9
    EXPECT_EQ(SpanAverage(series, 1000, {4, 5}), 89);
}

TEST(SpanAverage, TheEquilibriumHalvesTheUnroundedAverage) {
    // 1.28e9 / (492308 × 1000) = 2.59999: the average reads 3, but its half is 1.29999, so 1 rather than
    // Round(3 / 2) = 2.
    const SelectedSeries series = SeriesOfIntervals({492308});
    EXPECT_EQ(SpanAverage(series, 1000, {1, 1}), 3);
    EXPECT_EQ(SpanEquilibrium(series, 1000, {1, 1}), 1);
    EXPECT_EQ(series.equilibriumActivity, 1);
}

TEST(SpanMedian, OddCountTakesTheMiddleOfTheMeasuredActivities) {
    // 200, 400, 200, 80, 1000 without the bad mark's 0: sorted 80 200 200 400 1000.
    EXPECT_EQ(SpanMedian(SeriesWithABadMark(), {1, 6}), 200);
    // With the bad mark's 0 counted, 1 … 3 would give 200; without it 200 and 400 give 300.
    EXPECT_EQ(SpanMedian(SeriesWithABadMark(), {1, 3}), 300);
}

TEST(SpanMedian, EvenCountRoundsTheMeanOfTheMiddleTwoHalvesToEven) {
    // 1.28e6 / 640000 = 2, 1.28e6 / 426667 = 3.0, 1.28e6 / 256000 = 5
    EXPECT_EQ(SpanMedian(SeriesOfIntervals({640000, 426667}), {1, 2}), 2); // 2.5
    EXPECT_EQ(SpanMedian(SeriesOfIntervals({640000, 256000}), {1, 2}), 4); // 3.5
}

TEST(SpanExtremes, TheFirstMeasurementWithTheValueAndItsStart) {
    const SelectedSeries series = SeriesWithABadMark();
    const std::optional<ExtremeActivity> minimum = SpanMinimum(series, {1, 6});
    ASSERT_TRUE(minimum);
    EXPECT_EQ(minimum->activity, 80); // not the bad mark's 0
    EXPECT_EQ(minimum->measurement, 5);
    EXPECT_EQ(minimum->start, WallClock(2025, 3, 14, 16, 13, 20));
    const std::optional<ExtremeActivity> maximum = SpanMaximum(series, {1, 6});
    ASSERT_TRUE(maximum);
    EXPECT_EQ(maximum->activity, 1000);
    EXPECT_EQ(maximum->measurement, 6);
    EXPECT_EQ(maximum->start, WallClock(2025, 3, 14, 20, 40));

    // 200 is the smallest in 1 … 4 twice; measurement 1 has it first.
    const std::optional<ExtremeActivity> tied = SpanMinimum(series, {1, 4});
    ASSERT_TRUE(tied);
    EXPECT_EQ(tied->measurement, 1);
    EXPECT_EQ(tied->start, WallClock(2025, 3, 14, 10, 0));
}

TEST(SpanExtremes, NegativeMeasurementsAreNoMeasurementsOfAir) {
    const SelectedSeries series = SeriesWhoseClockGoesBack();
    ASSERT_EQ(series.activity[2], -4267);
    EXPECT_EQ(SpanMinimum(series, {1, 3})->activity, 711);
    EXPECT_EQ(SpanMaximum(series, {1, 3})->start, WallClock(2025, 5, 10, 10, 20));
    EXPECT_EQ(SpanMedian(series, {1, 3}), 889); // (711 + 1067) / 2
}

TEST(SpanTimeAbove, ExposuresAboveTheLevelOverTheMeasuredTime) {
    const SelectedSeries series = SeriesWithABadMark();
    // Above 100: 6400 + 3200 + 12800 + 1280 = 23680 of 39680 s = 59.68 %.
    EXPECT_EQ(TimeAboveTenthsOfPercent(series, {1, 6}, 100), 597);
    // Above 200 (200 itself is not above it): 3200 + 1280 = 4480 s = 11.29 %.
    EXPECT_EQ(TimeAboveTenthsOfPercent(series, {1, 6}, 200), 113);
    EXPECT_EQ(TimeAboveTenthsOfPercent(series, {1, 6}, 1000), 0);  // above every value
    EXPECT_EQ(TimeAboveTenthsOfPercent(series, {1, 6}, 50), 1000); // below every value
}

TEST(SpanTimeAbove, TenthsRoundHalvesToEven) {
    // 1000 of 16000 s = 6.25 %; 3000 of 16000 s = 18.75 %.
    EXPECT_EQ(TimeAboveTenthsOfPercent(SeriesOfIntervals({1000, 15000}), {1, 2}, 100), 62);
    EXPECT_EQ(TimeAboveTenthsOfPercent(SeriesOfIntervals({3000, 13000}), {1, 2}, 100), 188);
}

TEST(SpanTimeAbove, TheMeasuredTimeLeavesOutAClockGoingBack) {
    // Above 1000: 1200 of the 3000 measured seconds, 40 %; over T = 2400 s it would read 50 %.
    EXPECT_EQ(TimeAboveTenthsOfPercent(SeriesWhoseClockGoesBack(), {1, 3}, 1000), 400);
}

TEST(SpanStatisticsTogether, EveryFigureOfASpan) {
    const SpanStatistics statistics = ComputeSpanStatistics(SeriesWithABadMark(), 1000, {1, 6});
    EXPECT_EQ(statistics.average, 194);
    EXPECT_EQ(statistics.equilibrium, 97);
    EXPECT_EQ(statistics.median, 200);
    ASSERT_TRUE(statistics.minimum && statistics.maximum);
    EXPECT_EQ(statistics.minimum->measurement, 5);
    EXPECT_EQ(statistics.maximum->measurement, 6);
    ASSERT_EQ(statistics.timeAbove.size(), 3u); // 100, 200 and 300 unless given
    EXPECT_EQ(statistics.timeAbove[0].level, 100);
    EXPECT_EQ(statistics.timeAbove[0].tenthsOfPercent, 597);
    EXPECT_EQ(statistics.timeAbove[1].level, 200);
    EXPECT_EQ(statistics.timeAbove[2].level, 300);
    EXPECT_EQ(statistics.timeAbove[2].tenthsOfPercent, 113);

    const SpanStatistics given = ComputeSpanStatistics(SeriesWithABadMark(), 1000, {1, 6}, {1000, 50});
    ASSERT_EQ(given.timeAbove.size(), 2u);
    EXPECT_EQ(given.timeAbove[0].tenthsOfPercent, 0);
    EXPECT_EQ(given.timeAbove[1].tenthsOfPercent, 1000);
}

TEST(SpanStatisticsTogether, ASpanWithoutPositiveExposureHasOnlyWhatTheAverageGives) {
    // The bad mark alone took no time: nothing at all.
    const SpanStatistics badMark = ComputeSpanStatistics(SeriesWithABadMark(), 1000, {3, 3});
    EXPECT_FALSE(badMark.average);
    EXPECT_FALSE(badMark.equilibrium);
    EXPECT_FALSE(badMark.median);
    EXPECT_FALSE(badMark.minimum);
    EXPECT_FALSE(badMark.maximum);
    ASSERT_EQ(badMark.timeAbove.size(), 3u);
    for (const TimeAbove& share : badMark.timeAbove)
        EXPECT_FALSE(share.tenthsOfPercent) << share.level;

    // The clock going back alone: the averaging command still divides (1.28e9 / −600000 = −2133.3), but no
    // air was measured.
    const SpanStatistics backwards = ComputeSpanStatistics(SeriesWhoseClockGoesBack(), 1000, {2, 2});
    EXPECT_EQ(backwards.average, -2133);
    EXPECT_FALSE(backwards.median);
    EXPECT_FALSE(backwards.minimum);
    EXPECT_FALSE(backwards.timeAbove[0].tenthsOfPercent);
}

TEST(SpanUnits, PicocuriesPerLitreInHundredths) {
    EXPECT_EQ(PicocuriesPerLitreHundredths(37), 100);
    EXPECT_EQ(PicocuriesPerLitreHundredths(148), 400);
    EXPECT_EQ(PicocuriesPerLitreHundredths(267), 722); // 7.216
    EXPECT_EQ(PicocuriesPerLitreHundredths(1), 3);     // 0.027
    EXPECT_EQ(PicocuriesPerLitreHundredths(-1), -3);
    EXPECT_EQ(PicocuriesPerLitreHundredths(0), 0);
}

} // namespace
