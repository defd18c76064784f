#include "tests/print/ReportSeries.h"
#include "tests/support/MarkSeries.h"

#include "store/RunningAverage.h"
#include "store/SpanStatistics.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> MeasurementsOf(const std::vector<RunningAveragePoint>& points) {
    std::vector<int> measurements;
    for (const RunningAveragePoint& point : points)
        measurements.push_back(point.measurement);
    return measurements;
}

// A window longer than the series is the running mean of everything so far: at each end the span average
// of measurements 1 … k, bad mark and doubled factor included; the bad mark's measurement has no point.
TEST(RunningAverage, AWindowLongerThanTheSeriesIsTheSpanAverageSoFar) {
    const ReportFile report = HandWorkedReportFile();
    const SelectedSeries& series = report.series();
    const std::vector<RunningAveragePoint> points = RunningAverage(series, 1000, 100 * 3600);
    EXPECT_EQ(MeasurementsOf(points), (std::vector<int>{1, 2, 4, 5, 6}));
    for (const RunningAveragePoint& point : points) {
        EXPECT_EQ(point.seconds, series.elapsedTime[point.measurement]);
        EXPECT_EQ(point.activity, *UnroundedSpanAverage(series, 1000, {1, point.measurement}))
            << point.measurement;
    }
    EXPECT_EQ(Round(points.back().activity), 194); // the report's average
}

// Two hours of 177.8 Bq/m³, then one of 355.6: a two-hour window at the end holds the second hour and the
// last hour of the first measurement, (1.28e9 / 2 + 1.28e9) / (1000 × 7200) = 266.7.
TEST(RunningAverage, AWindowTakesItsShareOfAMeasurementItCuts) {
    const QByteArray bytes =
        InstrumentFileBuilder::IntervalSeries(1, 1000, WallClock(2025, 3, 1, 0, 0), {7200, 3600});
    const SelectedSeries series = EvaluateSeries(ParseBytes(bytes), 1).series;
    const std::vector<RunningAveragePoint> points = RunningAverage(series, 1000, 7200);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].activity, UnroundedActivity(series, 1000, 1));
    EXPECT_EQ(points[1].activity, 1.92e9L / 7.2e6L);
    // A window shorter than the measurement it ends on is that measurement's activity.
    EXPECT_EQ(RunningAverage(series, 1000, 60)[1].activity, UnroundedActivity(series, 1000, 2));
}

// Marks 10:00, 11:00, 10:10 and 11:10: the clock goes back 50 minutes at mark 2. Measurement 2 has no
// interval and no point. An hour before 11:10 is 10:10, where mark 2 stands, yet measurement 1 still
// reaches into that hour (10:10 … 11:00) and is counted with measurement 3 (10:10 … 11:10).
TEST(RunningAverage, WhereTheClockWentBackEveryIntervalInTheWindowCounts) {
    const SelectedSeries series =
        EvaluateMarks(1000, 25,
                      {{5, 10, 10, 0, 0}, {5, 10, 11, 0, 0}, {5, 10, 10, 10, 0}, {5, 10, 11, 10, 0}})
            .series;
    const std::vector<RunningAveragePoint> points = RunningAverage(series, 1000, 3600);
    EXPECT_EQ(MeasurementsOf(points), (std::vector<int>{1, 3}));
    EXPECT_EQ(points[1].seconds, 4200);
    EXPECT_EQ(points[1].activity, (1.28e9L + 1.28e9L * 3000 / 3600) / (1000 * 6600));
}

TEST(RunningAverage, NoPointsWithoutAWindowOrASensitivity) {
    const ReportFile report = HandWorkedReportFile();
    EXPECT_TRUE(RunningAverage(report.series(), 1000, 0).empty());
    EXPECT_TRUE(RunningAverage(report.series(), 0, 3600).empty());
    EXPECT_TRUE(RunningAverage(SelectedSeries{}, 1000, 3600).empty());
}

} // namespace
