#include "tests/support/MarkSeries.h"

#include "store/DailyAverages.h"
#include "tests/support/SampleFiles.h"

#include <gtest/gtest.h>

namespace {

// Sensitivity 1000 over a new year's night, with a bad mark (hour 25) after mark 3:
//   k   from             to              exposure  activity unrounded
//   1   31 Dec 20:00     31 Dec 22:00    7200      177.78
//   2   31 Dec 22:00     1 Jan 02:00     14400     88.89   (7200 s on each side of midnight)
//   3   1 Jan 02:00      1 Jan 03:00     3600      355.56
//   4   bad mark         —               0         0
//   5   1 Jan 03:00      1 Jan 05:00     7200      355.56  (2.56e9, counted from mark 3)
SelectedSeries NewYearsNight() {
    const SeriesEvaluation result = EvaluateMarks(1000, 25,
                                                  {{12, 31, 20, 0, 0},
                                                   {12, 31, 22, 0, 0},
                                                   {1, 1, 2, 0, 0},
                                                   {1, 1, 3, 0, 0},
                                                   {1, 1, 25, 0, 0},
                                                   {1, 1, 5, 0, 0}});
    EXPECT_EQ(result.messages.size(), 1);
    return result.series;
}

TEST(DailyAverages, ADayTakesTheSecondsOfEachMeasurementThatFallInIt) {
    const std::vector<DailyAverage> days = ComputeDailyAverages(NewYearsNight(), 1000, {1, 5});
    ASSERT_EQ(days.size(), 2u);
    // 31 Dec: (177.78 × 7200 + 88.89 × 7200) / 14400 = 133.33
    EXPECT_EQ(days[0].date, QDate(2025, 12, 31));
    EXPECT_EQ(days[0].seconds, 14400);
    EXPECT_EQ(days[0].average, 133);
    // 1 Jan: (88.89 × 7200 + 355.56 × 3600 + 355.56 × 7200) / 18000 = 248.89; the bad mark adds nothing
    EXPECT_EQ(days[1].date, QDate(2026, 1, 1));
    EXPECT_EQ(days[1].seconds, 18000);
    EXPECT_EQ(days[1].average, 249);
}

TEST(DailyAverages, OneMeasurementAcrossMidnightCountsInBothDays) {
    const std::vector<DailyAverage> days = ComputeDailyAverages(NewYearsNight(), 1000, {2, 2});
    ASSERT_EQ(days.size(), 2u);
    for (const DailyAverage& day : days) {
        EXPECT_EQ(day.seconds, 7200);
        EXPECT_EQ(day.average, 89);
    }
}

TEST(DailyAverages, ADayOfWholeMeasurementsIsTheSpanAverage) {
    // Measurements 3 … 5 lie in 1 January: 3 × 1.28e9 / (10800 × 1000) = 355.56, bad mark included.
    const SelectedSeries series = NewYearsNight();
    const std::vector<DailyAverage> days = ComputeDailyAverages(series, 1000, {3, 5});
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].seconds, 10800);
    EXPECT_EQ(days[0].average, 356);
    EXPECT_EQ(SpanAverage(series, 1000, {3, 5}), days[0].average);

    // 1000 s and 1208 s: exactly 2 × 1.28e9 / (2208 × 1000) = 1159.42, while the rounded activities 1280
    // and 1060 weighted by time would give 1159.64.
    const QByteArray bytes =
        InstrumentFileBuilder::IntervalSeries(1, 1000, WallClock(2025, 3, 1, 0, 0), {1000, 1208});
    const SelectedSeries pair = EvaluateSeries(ParseBytes(bytes), 1).series;
    ASSERT_EQ(pair.activity[2], 1060);
    const std::vector<DailyAverage> one = ComputeDailyAverages(pair, 1000, {1, 2});
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].average, 1159);
}

TEST(DailyAverages, TheLongSampleCoversEveryMeasuredSecondDayByDay) {
    const InstrumentFile file = ParseBytes(SampleFiles()[2].bytes);
    const SelectedSeries series = EvaluateSeries(file, 1).series;
    const int n = series.measurementCount;
    const std::vector<DailyAverage> days = ComputeDailyAverages(series, file.sensitivity, {1, n});
    ASSERT_GE(days.size(), 2u);
    EXPECT_EQ(days.front().date, QDate(2025, 12, 17));
    EXPECT_EQ(days.back().date, MarkMoment(series, n).date());
    int64_t seconds = 0;
    for (size_t i = 0; i < days.size(); ++i) {
        seconds += days[i].seconds;
        if (i > 0) {
            EXPECT_EQ(days[i - 1].date.addDays(1), days[i].date); // no day of a running series is missing
        }
        if (i > 0 && i + 1 < days.size()) {
            EXPECT_EQ(days[i].seconds, 86400) << days[i].date.toString(Qt::ISODate).toStdString();
        }
    }
    EXPECT_EQ(seconds, series.elapsedTime[n]);
}

TEST(DailyAverages, NoMeasuredTimeNoDays) {
    EXPECT_TRUE(ComputeDailyAverages(NewYearsNight(), 1000, {4, 4}).empty());
}

} // namespace
