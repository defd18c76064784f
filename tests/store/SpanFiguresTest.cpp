#include "tests/print/ReportSeries.h"
#include "tests/support/MarkSeries.h"

#include "store/SpanFigures.h"
#include "tests/support/SampleFiles.h"

#include <gtest/gtest.h>

namespace {

void ExpectSameExtreme(const std::optional<ExtremeActivity>& a, const std::optional<ExtremeActivity>& b) {
    ASSERT_EQ(a.has_value(), b.has_value());
    if (a) {
        EXPECT_EQ(a->activity, b->activity);
        EXPECT_EQ(a->measurement, b->measurement);
        EXPECT_EQ(a->start, b->start);
    }
}

// The report's figures of the span: its statistics, with average and ЭРОА withdrawn where the clock went
// back over the span, and its shares of time above each level.
void ExpectTheReportsFigures(const SelectedSeries& series, uint16_t sensitivity, const MeasurementSpan& span,
                             const std::vector<int64_t>& levels) {
    SCOPED_TRACE(testing::Message() << span.first << "…" << span.last);
    const SpanFigures figures = ComputeSpanFigures(series, sensitivity, span, levels);
    const SpanStatistics report = ComputeSpanStatistics(series, sensitivity, span, levels);
    const bool back = series.elapsedTime[span.last] < series.elapsedTime[span.first - 1];
    EXPECT_EQ(figures.clockWentBack, back);
    EXPECT_EQ(figures.statistics.average, back ? std::nullopt : report.average);
    EXPECT_EQ(figures.statistics.equilibrium, back ? std::nullopt : report.equilibrium);
    EXPECT_EQ(figures.statistics.median, report.median);
    ExpectSameExtreme(figures.statistics.minimum, report.minimum);
    ExpectSameExtreme(figures.statistics.maximum, report.maximum);
    ASSERT_EQ(figures.statistics.timeAbove.size(), levels.size());
    ASSERT_EQ(figures.secondsAbove.size(), levels.size());
    for (size_t i = 0; i < levels.size(); ++i) {
        EXPECT_EQ(figures.statistics.timeAbove[i].level, levels[i]);
        EXPECT_EQ(figures.statistics.timeAbove[i].tenthsOfPercent, report.timeAbove[i].tenthsOfPercent);
        // The seconds are what the share was made of.
        if (figures.measuredSeconds > 0) {
            EXPECT_EQ(Round(static_cast<Extended>(figures.secondsAbove[i]) * 1000 / figures.measuredSeconds),
                      report.timeAbove[i].tenthsOfPercent);
        }
    }
}

// The report's own hand-worked numbers for the same file and span.
TEST(SpanFigures, TheHandWorkedSeriesReadsAsItsReport) {
    const ReportFile report = HandWorkedReportFile();
    const SpanFigures figures =
        ComputeSpanFigures(report.series(), report.file.sensitivity, {1, 6}, {50, 100, 1000});
    EXPECT_EQ(figures.count, 6);
    EXPECT_EQ(figures.firstMoment, WallClock(2025, 3, 14, 10, 0));
    EXPECT_EQ(figures.lastMoment, WallClock(2025, 3, 14, 21, 1, 20));
    EXPECT_EQ(figures.duration, 39680);
    EXPECT_FALSE(figures.clockWentBack);
    EXPECT_EQ(figures.measuredSeconds, 39680);
    const SpanStatistics& s = figures.statistics;
    EXPECT_EQ(s.average, 194);
    EXPECT_EQ(s.equilibrium, 97);
    EXPECT_EQ(s.median, 200);
    EXPECT_EQ(s.minimum->activity, 80);
    EXPECT_EQ(s.minimum->measurement, 5);
    EXPECT_EQ(s.minimum->start, WallClock(2025, 3, 14, 16, 13, 20));
    EXPECT_EQ(s.maximum->activity, 1000);
    EXPECT_EQ(s.maximum->measurement, 6);
    EXPECT_EQ(figures.secondsAbove, (std::vector<int64_t>{39680, 23680, 0}));
    EXPECT_EQ(s.timeAbove[1].tenthsOfPercent, 597);
}

TEST(SpanFigures, EverySpanOfTheSamplesAsTheReportStatesIt) {
    int spans = 0;
    for (const SampleFile& sample : SampleFiles()) {
        const InstrumentFile file = ParseBytes(sample.bytes);
        for (int s = 1; s <= file.seriesCount; ++s) {
            const SelectedSeries series = EvaluateSeries(file, s).series;
            const int n = series.measurementCount;
            // Every span of the short series; in the long one spans from a stride of starts.
            const int stride = n > 60 ? 37 : 1;
            for (int first = 1; first <= n; first += stride) {
                for (int last = first; last <= n; last += stride, ++spans)
                    ExpectTheReportsFigures(series, file.sensitivity, {first, last}, {100, 200, 300, 1000});
            }
        }
    }
    EXPECT_GT(spans, 500);
}

// Marks 10:00, 10:30, 10:20 and 10:40: the clock goes back ten minutes at mark 2.
TEST(SpanFigures, ASpanTheClockWentBackOverHasNoDurationNorAverage) {
    const SelectedSeries series =
        EvaluateMarks(1000, 25,
                      {{5, 10, 10, 0, 0}, {5, 10, 10, 30, 0}, {5, 10, 10, 20, 0}, {5, 10, 10, 40, 0}})
            .series;
    const SpanFigures back = ComputeSpanFigures(series, 1000, {2, 2}, {100});
    EXPECT_TRUE(back.clockWentBack);
    EXPECT_EQ(back.duration, std::nullopt);
    EXPECT_EQ(back.statistics.average, std::nullopt);
    EXPECT_EQ(back.statistics.equilibrium, std::nullopt);
    EXPECT_EQ(back.measuredSeconds, 0);
    EXPECT_EQ(back.secondsAbove, (std::vector<int64_t>{0}));
    EXPECT_EQ(back.firstMoment, WallClock(2025, 5, 10, 10, 30));
    EXPECT_EQ(back.lastMoment, WallClock(2025, 5, 10, 10, 20));
    // Over the whole series the clock ends ahead of its start: 2400 s long, 3000 s measured.
    const SpanFigures whole = ComputeSpanFigures(series, 1000, {1, 3}, {100});
    EXPECT_EQ(whole.duration, 2400);
    EXPECT_EQ(whole.measuredSeconds, 3000);
    EXPECT_EQ(whole.statistics.average, 1600);
    for (const MeasurementSpan span : {MeasurementSpan{1, 2}, MeasurementSpan{2, 2}, MeasurementSpan{2, 3}})
        ExpectTheReportsFigures(series, 1000, span, {700, 1000});
}

} // namespace
