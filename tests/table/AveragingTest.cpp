#include "tests/support/TestFiles.h"

#include "store/SeriesEvaluation.h"
#include "table/Averaging.h"

#include <gtest/gtest.h>

namespace {

// A series at the given sensitivity whose measurements last the given numbers of seconds.
SelectedSeries SeriesOfIntervals(uint16_t sensitivity, const std::vector<int>& seconds) {
    const QDateTime start(QDate(2025, 3, 1), QTime(0, 0), Qt::UTC);
    return EvaluateSeries(ParseBytes(InstrumentFileBuilder::IntervalSeries(1, sensitivity, start, seconds)),
                          1)
        .series;
}

TEST(Averaging, MeasurementsPerSpanTime) {
    // Measurements 5 … 8 take 20480 s together: 4 × 1.28e9 / (20480 × 250) = 1000.
    const SelectedSeries series = SeriesOfIntervals(250, {600, 600, 600, 600, 5000, 5120, 5000, 5360, 600});
    const AverageResult result = AverageActivity(series, 250, {5, 8});
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.value(), 1000);
}

TEST(Averaging, ASpanOfOneIsThatMeasurementsActivity) {
    const SelectedSeries series = SeriesOfIntervals(250, {600, 1234, 777});
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(AverageActivity(series, 250, {k, k}).value(), series.activity[k]);
}

TEST(Averaging, HalvesRoundToEven) {
    // 1.28e9 / (8000 × 64000) = 2.5; 7 × 1.28e9 / (10000 × 256000) = 3.5
    EXPECT_EQ(AverageActivity(SeriesOfIntervals(8000, {64000}), 8000, {1, 1}).value(), 2);
    const SelectedSeries series = SeriesOfIntervals(10000, {36000, 36000, 36000, 36000, 36000, 36000, 40000});
    EXPECT_EQ(AverageActivity(series, 10000, {1, 7}).value(), 4);
}

TEST(Averaging, LongSpansDoNotWrap) {
    // 30 days at a sensitivity of 1000 is beyond 2^31 as a product.
    const SelectedSeries series = SeriesOfIntervals(1000, {864000, 864000, 864000});
    const AverageResult result = AverageActivity(series, 1000, {1, 3});
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.value(), 1); // 3 × 1.28e9 / (2592000 × 1000) = 1.48
}

TEST(Averaging, NothingToDivideByIsAnError) {
    SelectedSeries series = SeriesOfIntervals(250, {600});
    EXPECT_FALSE(AverageActivity(series, 0, {1, 1}).ok());
    series.elapsedTime[1] = 0;
    const AverageResult result = AverageActivity(series, 250, {1, 1});
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(result.message().isEmpty());
}

TEST(Averaging, SpansMustLieInTheSeries) {
    EXPECT_TRUE(IsSpanInSeries({1, 1}, 1));
    EXPECT_TRUE(IsSpanInSeries({3, 7}, 7));
    EXPECT_FALSE(IsSpanInSeries({0, 3}, 7));
    EXPECT_FALSE(IsSpanInSeries({4, 3}, 7));
    EXPECT_FALSE(IsSpanInSeries({3, 8}, 7));
    EXPECT_FALSE(IsSpanInSeries({1, 1}, 0));
}

} // namespace
