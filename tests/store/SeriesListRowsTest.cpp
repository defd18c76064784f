#include "tests/support/TestFiles.h"

#include "store/SeriesList.h"

#include <gtest/gtest.h>

namespace {

const QString kFileError = QStringLiteral("Ошибка в файле");
const QString kUndefined = QStringLiteral("не определено");

TEST(SensitivityText, HundredthsWithAPointAndTheUnit) {
    EXPECT_EQ(SensitivityText(250), QStringLiteral("2.50 * 10-5 Бк-1 * м3 * c-1"));
    EXPECT_EQ(SensitivityText(5), QStringLiteral("0.05 * 10-5 Бк-1 * м3 * c-1"));
    EXPECT_EQ(SensitivityText(0), QStringLiteral("0.00 * 10-5 Бк-1 * м3 * c-1"));
    EXPECT_EQ(SensitivityText(65535), QStringLiteral("655.35 * 10-5 Бк-1 * м3 * c-1"));
}

TEST(SeriesListRow, TwoMarksSixHundredSecondsApart) {
    const InstrumentFile file = ParseBytes(InstrumentFileBuilder(3, 250)
                                               .series(9, 25)
                                               .mark(7, 2, 8, 5, 0)
                                               .mark(7, 2, 8, 15, 0)
                                               .endSeries()
                                               .bytes());
    const auto row = SeriesListRow(file, 1);
    EXPECT_EQ(row[0], QStringLiteral("1"));
    EXPECT_EQ(row[1], QStringLiteral("9"));
    EXPECT_EQ(row[2], QStringLiteral(" 2 июл 08:05:00"));
    EXPECT_EQ(row[3], QStringLiteral(" 2 июл 08:15:00"));
    EXPECT_EQ(row[4], QStringLiteral("8533"));
}

TEST(SeriesListRow, AnInvalidStartSpoilsOnlyItsOwnRow) {
    InstrumentFileBuilder builder(3, 250);
    builder.series(1, 25).mark(7, 2, 8, 5, 0).mark(7, 2, 8, 15, 0).endSeries();
    builder.series(2, 25).mark(7, 32, 8, 5, 0).mark(7, 2, 8, 15, 0).endSeries();
    builder.series(3, 25).mark(7, 3, 8, 0, 0).mark(7, 3, 8, 5, 0).mark(7, 3, 8, 20, 0).endSeries();
    const InstrumentFile file = ParseBytes(builder.bytes());
    ASSERT_EQ(file.seriesCount, 3);
    EXPECT_EQ(SeriesListRow(file, 1)[4], QStringLiteral("8533"));
    const auto second = SeriesListRow(file, 2);
    EXPECT_EQ(second[2], kFileError);
    EXPECT_EQ(second[3], QStringLiteral(" 2 июл 08:15:00"));
    EXPECT_EQ(second[4], kUndefined);
    // Two measurements over 1200 s: 2 × 1.28e9 / (1200 × 250) = 8533.3
    EXPECT_EQ(SeriesListRow(file, 3)[4], QStringLiteral("8533"));
}

TEST(SeriesListRow, AnInvalidEndReadsAsAnError) {
    const InstrumentFile file = ParseBytes(InstrumentFileBuilder(3, 250)
                                               .series(1, 25)
                                               .mark(7, 2, 8, 5, 0)
                                               .mark(7, 2, 8, 75, 0)
                                               .endSeries()
                                               .bytes());
    const auto row = SeriesListRow(file, 1);
    EXPECT_EQ(row[3], kFileError);
    EXPECT_EQ(row[4], kUndefined);
}

TEST(SeriesListRow, TheEndOfASeriesOverNewYearFallsInTheNextYear) {
    // 28 Dec 2023 to 29 Feb 2024: the end is a real date only in the following year.
    const InstrumentFile file = ParseBytes(InstrumentFileBuilder(3, 250)
                                               .series(1, 23)
                                               .mark(12, 28, 0, 0, 0)
                                               .mark(1, 3, 0, 0, 0)
                                               .mark(2, 29, 0, 0, 0)
                                               .endSeries()
                                               .bytes());
    const auto row = SeriesListRow(file, 1);
    EXPECT_EQ(row[3], QStringLiteral("29 фев 00:00:00"));
    // 2 × 1.28e9 / (63 days × 86400 × 250) = 1.88…
    EXPECT_EQ(row[4], QStringLiteral("2"));
}

TEST(SeriesListRow, ASeriesLongerThanAYearCountsEveryNewYear) {
    // 1 Nov 2024 … 15 Jan 2026: 440 days. Counting one new year only would put the end in January 2025.
    const InstrumentFile file = ParseBytes(InstrumentFileBuilder(3, 10)
                                               .series(1, 24)
                                               .mark(11, 1, 0, 0, 0)
                                               .mark(2, 1, 0, 0, 0)
                                               .mark(12, 1, 0, 0, 0)
                                               .mark(1, 15, 0, 0, 0)
                                               .endSeries()
                                               .bytes());
    // 3 × 1.28e9 / (440 × 86400 × 10) = 10.10…
    EXPECT_EQ(SeriesListRow(file, 1)[4], QStringLiteral("10"));
}

// Marks from midnight to midnight, so that the day counts are whole and the mean is an exact half.
InstrumentFile MidnightToMidnight(uint16_t sensitivity, int markCount, int days) {
    InstrumentFileBuilder builder(3, sensitivity);
    builder.series(1, 25).mark(7, 1, 0, 0, 0);
    for (int i = 1; i < markCount - 1; ++i)
        builder.mark(7, 1 + i % days, 1 + i % 22, i % 60, 0);
    return ParseBytes(builder.mark(7, 1 + days, 0, 0, 0).endSeries().bytes());
}

TEST(SeriesListRow, MeanActivityRoundsHalvesToEven) {
    // 27 × 1.28e9 / (86400 × 6400) = 62.5
    EXPECT_EQ(SeriesListRow(MidnightToMidnight(6400, 28, 1), 1)[4], QStringLiteral("62"));
    // 243 × 1.28e9 / (3 × 86400 × 32000) = 37.5
    EXPECT_EQ(SeriesListRow(MidnightToMidnight(32000, 244, 3), 1)[4], QStringLiteral("38"));
}

TEST(SeriesListRow, NoSpanOrNoSensitivityIsUndefined) {
    const InstrumentFile sameTime = ParseBytes(InstrumentFileBuilder(3, 250)
                                                   .series(1, 25)
                                                   .mark(7, 1, 0, 0, 0)
                                                   .mark(7, 1, 0, 0, 0)
                                                   .endSeries()
                                                   .bytes());
    EXPECT_EQ(SeriesListRow(sameTime, 1)[4], kUndefined);
    const InstrumentFile noSensitivity = ParseBytes(InstrumentFileBuilder(3, 0)
                                                        .series(1, 25)
                                                        .mark(7, 1, 0, 0, 0)
                                                        .mark(7, 1, 1, 0, 0)
                                                        .endSeries()
                                                        .bytes());
    EXPECT_EQ(SeriesListRow(noSensitivity, 1)[4], kUndefined);
}

TEST(SeriesListRow, FewOrNoMarks) {
    const InstrumentFile file = ParseBytes(InstrumentFileBuilder(3, 250)
                                               .series(1, 25)
                                               .endSeries()
                                               .series(2, 25)
                                               .mark(7, 1, 0, 0, 0)
                                               .endSeries()
                                               .bytes());
    const auto none = SeriesListRow(file, 1);
    EXPECT_EQ(none[2], kUndefined);
    EXPECT_EQ(none[3], kUndefined);
    EXPECT_TRUE(none[4].isEmpty());
    const auto one = SeriesListRow(file, 2);
    EXPECT_EQ(one[2], QStringLiteral(" 1 июл 00:00:00"));
    EXPECT_EQ(one[3], kUndefined);
    EXPECT_TRUE(one[4].isEmpty());
}

} // namespace
