#include "tests/support/TestFiles.h"

#include "store/SeriesEvaluation.h"

#include <gtest/gtest.h>

namespace {

struct MarkSpec {
    int month, day, hour, minute, second;
};

// Series 1 of a file with the given sensitivity and year byte, made of these marks.
SeriesEvaluation Evaluate(uint16_t sensitivity, uint8_t year, std::initializer_list<MarkSpec> marks) {
    InstrumentFileBuilder builder(77, sensitivity);
    builder.series(42, year);
    for (const MarkSpec& m : marks)
        builder.mark(m.month, m.day, m.hour, m.minute, m.second);
    const InstrumentFile file = ParseBytes(builder.endSeries().endFile().bytes());
    EXPECT_EQ(file.seriesCount, 1);
    return EvaluateSeries(file, 1);
}

std::vector<int64_t> Values(std::initializer_list<int64_t> values) {
    return values;
}

TEST(Evaluation, TwoGoodMarksSixHundredSecondsApart) {
    const SeriesEvaluation result = Evaluate(250, 25, {{3, 14, 10, 0, 0}, {3, 14, 10, 10, 0}});
    ASSERT_FALSE(result.refused());
    const SelectedSeries& s = result.series;
    EXPECT_TRUE(result.messages.isEmpty());
    EXPECT_EQ(s.measurementCount, 1);
    EXPECT_EQ(s.elapsedTime, Values({0, 600}));
    EXPECT_EQ(s.activity, Values({0, 8533, 0}));
    EXPECT_EQ(s.maxActivity, 8533);
    EXPECT_EQ(s.equilibriumActivity, 4267);
    EXPECT_EQ(s.currentYear, 2025);
    EXPECT_EQ(s.seriesTitle, QStringLiteral("Файл test.rad; Серия N 42"));
    const RowTexts row = MeasurementRowTexts(s, 1);
    EXPECT_EQ(row[0], QStringLiteral("1"));
    EXPECT_EQ(row[1], QStringLiteral("14 мар 10:00:00"));
    EXPECT_EQ(row[2], QStringLiteral("14 мар 10:10:00"));
    EXPECT_EQ(row[3], QStringLiteral("8533±1280"));
    EXPECT_EQ(row[4], QStringLiteral("600"));
}

TEST(Evaluation, EquilibriumActivityIsNotWrappedToSixteenBits) {
    const SeriesEvaluation result = Evaluate(100, 25, {{3, 14, 10, 0, 0}, {3, 14, 10, 0, 10}});
    ASSERT_FALSE(result.refused());
    EXPECT_EQ(result.series.activity[1], 1280000);
    EXPECT_EQ(result.series.equilibriumActivity, 640000);
    EXPECT_EQ(MeasurementRowTexts(result.series, 1)[3], QStringLiteral("1280000±192000"));
}

TEST(Evaluation, NewYearBetweenTwoMarks) {
    const SeriesEvaluation result = Evaluate(250, 5, {{12, 31, 23, 59, 50}, {1, 1, 0, 0, 10}});
    ASSERT_FALSE(result.refused());
    EXPECT_TRUE(result.messages.isEmpty());
    EXPECT_EQ(result.series.elapsedTime, Values({0, 20}));
    EXPECT_EQ(result.series.currentYear, 2006);
    EXPECT_EQ(result.series.daysInMonth[2], 28);
    EXPECT_EQ(result.series.activity[1], 256000);
}

TEST(Evaluation, FebruaryFollowsTheLastYearWithoutTheCenturyRule) {
    // 2099 → 2100: the axis counts 2100 as a leap year, the calendar does not accept 29 Feb 2100.
    const SeriesEvaluation result = Evaluate(250, 99, {{12, 30, 0, 0, 0}, {1, 2, 0, 0, 0}, {2, 29, 0, 0, 0}});
    ASSERT_FALSE(result.refused());
    EXPECT_EQ(result.series.currentYear, 2100);
    EXPECT_EQ(result.series.daysInMonth[2], 29);
    ASSERT_EQ(result.messages.size(), 1);
    EXPECT_EQ(result.messages[0],
              QStringLiteral("Ошибка в файле. № изм=2  Мес=2  День=29  Час=0  Мин=0  Сек=0"));
}

TEST(Evaluation, ARepeatedTimeIsABadMarkAndTheNextCountsDoubleFromTheLastGood) {
    const SeriesEvaluation result =
        Evaluate(250, 25, {{6, 1, 8, 0, 0}, {6, 1, 8, 0, 0}, {6, 1, 8, 10, 0}, {6, 1, 8, 20, 0}});
    ASSERT_FALSE(result.refused());
    ASSERT_EQ(result.messages.size(), 1);
    EXPECT_EQ(result.messages[0],
              QStringLiteral("Ошибка в файле. № изм=1  Мес=6  День=1  Час=8  Мин=0  Сек=0"));
    EXPECT_EQ(result.series.elapsedTime, Values({0, 0, 600, 1200}));
    EXPECT_EQ(result.series.activity, Values({0, 0, 17067, 8533, 0}));
    EXPECT_EQ(result.series.maxActivity, 17067);
}

TEST(Evaluation, AnInvalidMarkInMidSeriesHoldsTheElapsedTime) {
    const SeriesEvaluation result = Evaluate(
        250, 25,
        {{2, 27, 12, 0, 0}, {2, 28, 12, 0, 0}, {2, 30, 12, 0, 0}, {3, 1, 12, 0, 0}, {3, 1, 13, 0, 0}});
    ASSERT_FALSE(result.refused());
    ASSERT_EQ(result.messages.size(), 1);
    EXPECT_EQ(result.messages[0],
              QStringLiteral("Ошибка в файле. № изм=2  Мес=2  День=30  Час=12  Мин=0  Сек=0"));
    EXPECT_EQ(result.series.elapsedTime, Values({0, 86400, 86400, 172800, 176400}));
    // 2.56e9 / (250 × 86400) = 118.5…, then a good start again: 1.28e9 / (250 × 3600) = 1422.2…
    EXPECT_EQ(result.series.activity, Values({0, 59, 0, 119, 1422, 0}));
}

TEST(Evaluation, AMarkWithoutAMonthDoesNotMoveTheYear) {
    InstrumentFileBuilder builder(1, 250);
    builder.series(1, 25).mark(3, 10, 10, 0, 0).rawMark(0x00, 0x11, 0x10, 0x30, 0x00).mark(3, 10, 11, 0, 0);
    const SeriesEvaluation result = EvaluateSeries(ParseBytes(builder.endSeries().bytes()), 1);
    ASSERT_FALSE(result.refused());
    ASSERT_EQ(result.messages.size(), 1);
    EXPECT_EQ(result.messages[0],
              QStringLiteral("Ошибка в файле. № изм=1  Мес=0  День=11  Час=10  Мин=30  Сек=0"));
    EXPECT_EQ(result.series.currentYear, 2025);
    EXPECT_EQ(result.series.elapsedTime, Values({0, 0, 3600}));
    EXPECT_EQ(result.series.activity[2], 2844);
}

TEST(Evaluation, NewYearAcrossAMarkWithoutAMonthRollsOverOnce) {
    InstrumentFileBuilder builder(1, 250);
    builder.series(1, 25).mark(12, 31, 23, 59, 0).rawMark(0x00, 0x01, 0, 0, 0).mark(1, 1, 0, 1, 0);
    const SeriesEvaluation result = EvaluateSeries(ParseBytes(builder.endSeries().bytes()), 1);
    ASSERT_FALSE(result.refused());
    EXPECT_EQ(result.series.currentYear, 2026);
    EXPECT_EQ(result.series.elapsedTime, Values({0, 0, 120}));
}

TEST(Evaluation, ANegativeIntervalTakesTheDoubledFactorWithoutAMessage) {
    const SeriesEvaluation result = Evaluate(250, 25, {{6, 1, 10, 0, 0}, {6, 1, 9, 0, 0}, {6, 1, 9, 10, 0}});
    ASSERT_FALSE(result.refused());
    EXPECT_TRUE(result.messages.isEmpty());
    EXPECT_EQ(result.series.elapsedTime, Values({0, -3600, -3000}));
    EXPECT_EQ(result.series.activity, Values({0, -2844, 8533, 0}));
    EXPECT_EQ(result.series.maxActivity, 8533);
}

TEST(Evaluation, MaximumComparesSigned) {
    const SeriesEvaluation result = Evaluate(250, 25, {{6, 1, 10, 0, 0}, {6, 1, 9, 0, 0}});
    ASSERT_FALSE(result.refused());
    EXPECT_EQ(result.series.maxActivity, -2844);
}

TEST(Evaluation, ActivitiesBeyondThirtyTwoBits) {
    // One-second intervals at the smallest sensitivity, counted across a bad mark.
    const SeriesEvaluation result = Evaluate(1, 25, {{6, 1, 10, 0, 0}, {6, 1, 10, 0, 0}, {6, 1, 10, 0, 1}});
    ASSERT_FALSE(result.refused());
    EXPECT_EQ(result.series.activity[2], 2560000000LL);
    EXPECT_EQ(result.series.maxActivity, 2560000000LL);
}

TEST(Evaluation, SensitivityTimesIntervalIsNotWrapped) {
    // 60000 × 40000 s exceeds the signed 32-bit range; wrapped, the activity would come out as −1.
    const SeriesEvaluation result = Evaluate(60000, 25, {{6, 1, 0, 0, 0}, {6, 1, 11, 6, 40}});
    ASSERT_FALSE(result.refused());
    EXPECT_EQ(result.series.elapsedTime[1], 40000);
    EXPECT_EQ(result.series.activity[1], 1);
}

TEST(Evaluation, ActivityRoundsHalvesToEven) {
    // 1.28e9 / (8000 × 64000 s) = 2.5
    const SeriesEvaluation result = Evaluate(8000, 25, {{6, 1, 0, 0, 0}, {6, 1, 17, 46, 40}});
    ASSERT_FALSE(result.refused());
    EXPECT_EQ(result.series.activity[1], 2);
}

TEST(Evaluation, LongSpansKeepTheirSeconds) {
    // Marks a year apart, one after the other: the elapsed time passes 2^31 seconds.
    InstrumentFileBuilder builder(1, 65535);
    builder.series(1, 0);
    for (int i = 0; i < 160; ++i)
        builder.mark(i % 2 == 0 ? 12 : 6, 1, 0, 0, 0);
    const SeriesEvaluation result = EvaluateSeries(ParseBytes(builder.endSeries().bytes()), 1);
    ASSERT_FALSE(result.refused());
    EXPECT_EQ(result.series.currentYear, 2080);
    EXPECT_GT(result.series.elapsedTime[159], int64_t{1} << 31);
    EXPECT_EQ(result.series.elapsedTime[2] - result.series.elapsedTime[1], 183 * 86400); // 1 Jun → 1 Dec
    EXPECT_EQ(result.series.equilibriumActivity, 0);
}

TEST(Evaluation, FewerThanTwoMarksIsRefused) {
    for (const auto& marks : {std::initializer_list<MarkSpec>{}, {{6, 1, 10, 0, 0}}}) {
        const SeriesEvaluation result = Evaluate(250, 25, marks);
        EXPECT_EQ(result.refusal, QStringLiteral("Серия не определена. Нет  измерений"));
        EXPECT_EQ(result.title, QStringLiteral("Файл test.rad; Серия N 42"));
        EXPECT_EQ(result.series.measurementCount, 0);
    }
}

TEST(Evaluation, ZeroSensitivityIsRefusedInsteadOfDividingByZero) {
    const SeriesEvaluation result = Evaluate(0, 25, {{6, 1, 10, 0, 0}, {6, 1, 10, 10, 0}});
    ASSERT_TRUE(result.refused());
    EXPECT_EQ(result.refusal, QString::fromUtf8(ZeroSensitivityMessage));
    EXPECT_TRUE(result.messages.isEmpty());
}

TEST(Evaluation, AnInvalidFirstMarkRefusesTheSeriesWithItsOwnMessage) {
    const SeriesEvaluation result = Evaluate(250, 25, {{2, 30, 10, 0, 0}, {3, 1, 10, 10, 0}});
    ASSERT_TRUE(result.refused());
    EXPECT_EQ(result.refusal,
              QStringLiteral("Ошибка в файле. № изм=0  Мес=2  День=30  Час=10  Мин=0  Сек=0"));
    EXPECT_EQ(result.series.measurementCount, 0);
}

TEST(Evaluation, EveryBadMarkIsReportedInOrder) {
    const SeriesEvaluation result = Evaluate(
        250, 25,
        {{6, 1, 10, 0, 0}, {6, 1, 25, 0, 0}, {6, 1, 10, 0, 0}, {6, 1, 10, 61, 0}, {6, 1, 10, 30, 0}});
    ASSERT_FALSE(result.refused());
    ASSERT_EQ(result.messages.size(), 3);
    EXPECT_TRUE(result.messages[0].contains(QStringLiteral("№ изм=1  Мес=6  День=1  Час=25")));
    EXPECT_TRUE(result.messages[1].contains(QStringLiteral("№ изм=2  ")));
    EXPECT_TRUE(result.messages[2].contains(QStringLiteral("№ изм=3  Мес=6  День=1  Час=10  Мин=61")));
    EXPECT_EQ(result.series.elapsedTime, Values({0, 0, 0, 0, 1800}));
    EXPECT_EQ(result.series.activity[4], 5689); // 2.56e9 / (250 × 1800) = 5688.9
}

TEST(ActivityText, ErrorIsFifteenPercentRoundedFromTheExtendedProduct) {
    EXPECT_EQ(ActivityWithErrorText(10), QStringLiteral("10±2"));
    EXPECT_EQ(ActivityWithErrorText(30), QStringLiteral("30±4"));
    EXPECT_EQ(ActivityWithErrorText(190), QStringLiteral("190±29"));
    EXPECT_EQ(ActivityWithErrorText(1280000), QStringLiteral("1280000±192000"));
    EXPECT_EQ(ActivityWithErrorText(0), QStringLiteral("0±0"));
    EXPECT_EQ(ActivityWithErrorText(2560000000LL), QStringLiteral("2560000000±384000000"));
}

TEST(BadMarkMessage, SpellsEveryStoredValue) {
    EXPECT_EQ(BadMarkMessage(17, TimeMark{0, 165, 24, 60, 99}),
              QStringLiteral("Ошибка в файле. № изм=17  Мес=0  День=165  Час=24  Мин=60  Сек=99"));
}

} // namespace
