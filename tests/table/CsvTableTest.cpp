#include "tests/support/MarkSeries.h"

#include "table/CsvTable.h"
#include "table/DecimalText.h"

#include <gtest/gtest.h>

namespace {

// Sensitivity 1000 across a new year, with a bad mark (hour 25) as mark 3:
//   1: 31 Dec 22:00:00 → 23:20:00, 4800 s, 1.28e6 / 4800 = 266.7 → 267 ± 40, 7.216 pCi/L
//   2: 31 Dec 23:20:00 → 1 Jan 00:40:00, 4800 s, 267 ± 40
//   3: the bad mark: no time, activity 0, at the last good mark's moment
//   4: 1 Jan 00:40:00 → 02:00:00, 4800 s from mark 2, 2.56e6 / 4800 = 533.3 → 533 ± 80 (79.95), 14.405 pCi/L
//   5: 1 Jan 02:00:00 → 02:32:00, 1920 s, 666.7 → 667 ± 100 (100.05), 18.027 pCi/L
SelectedSeries AcrossTheNewYear() {
    const SeriesEvaluation result = EvaluateMarks(1000, 25,
                                                  {{12, 31, 22, 0, 0},
                                                   {12, 31, 23, 20, 0},
                                                   {1, 1, 0, 40, 0},
                                                   {1, 1, 25, 0, 0},
                                                   {1, 1, 2, 0, 0},
                                                   {1, 1, 2, 32, 0}});
    EXPECT_EQ(result.messages.size(), 1);
    return result.series;
}

TEST(SpanCsv, ASeriesAcrossTheNewYearWithABadMarkByteForByte) {
    const QByteArray expected = "number,start,end,exposure_s,activity_bq_m3,error_bq_m3,activity_pci_l\r\n"
                                "1,2025-12-31T22:00:00,2025-12-31T23:20:00,4800,267,40,7.22\r\n"
                                "2,2025-12-31T23:20:00,2026-01-01T00:40:00,4800,267,40,7.22\r\n"
                                "3,2026-01-01T00:40:00,2026-01-01T00:40:00,0,0,0,0.00\r\n"
                                "4,2026-01-01T00:40:00,2026-01-01T02:00:00,4800,533,80,14.41\r\n"
                                "5,2026-01-01T02:00:00,2026-01-01T02:32:00,1920,667,100,18.03\r\n";
    EXPECT_EQ(SpanCsv(AcrossTheNewYear(), {1, 5}), expected);
}

TEST(SpanCsv, OnlyTheSpansRowsFollowTheHeader) {
    const QByteArray expected = "number,start,end,exposure_s,activity_bq_m3,error_bq_m3,activity_pci_l\r\n"
                                "4,2026-01-01T00:40:00,2026-01-01T02:00:00,4800,533,80,14.41\r\n";
    EXPECT_EQ(SpanCsv(AcrossTheNewYear(), {4, 4}), expected);
}

TEST(SpanClipboard, TabsBetweenTheSameFieldsWithTheInterfacesDecimalComma) {
    const QString expected =
        QStringLiteral("number\tstart\tend\texposure_s\tactivity_bq_m3\terror_bq_m3\tactivity_pci_l\n"
                       "2\t2025-12-31T23:20:00\t2026-01-01T00:40:00\t4800\t267\t40\t7,22\n"
                       "3\t2026-01-01T00:40:00\t2026-01-01T00:40:00\t0\t0\t0\t0,00\n");
    EXPECT_EQ(InterfaceDecimalPoint(), QLatin1Char(','));
    EXPECT_EQ(SpanClipboardText(AcrossTheNewYear(), {2, 3}, InterfaceDecimalPoint()), expected);
}

TEST(SpanCsv, FieldsAreQuotedOnlyWhenTheyMustBe) {
    EXPECT_EQ(DelimitedField(QStringLiteral("2025-12-31T22:00:00"), QLatin1Char(',')),
              QStringLiteral("2025-12-31T22:00:00"));
    EXPECT_EQ(DelimitedField(QStringLiteral("a,b"), QLatin1Char(',')), QStringLiteral("\"a,b\""));
    EXPECT_EQ(DelimitedField(QStringLiteral("say \"hi\""), QLatin1Char(',')),
              QStringLiteral("\"say \"\"hi\"\"\""));
    EXPECT_EQ(DelimitedField(QStringLiteral("two\r\nlines"), QLatin1Char(',')),
              QStringLiteral("\"two\r\nlines\""));
    EXPECT_EQ(DelimitedField(QStringLiteral("a\tb"), QLatin1Char(',')), QStringLiteral("a\tb"));
    EXPECT_EQ(DelimitedField(QStringLiteral("a\tb"), QLatin1Char('\t')), QStringLiteral("\"a\tb\""));
    EXPECT_EQ(DelimitedField(QStringLiteral("a,b"), QLatin1Char('\t')), QStringLiteral("a,b"));
    EXPECT_EQ(DelimitedLine({QStringLiteral("x"), QString(), QStringLiteral("y,z")}, QLatin1Char(',')),
              QStringLiteral("x,,\"y,z\""));
}

TEST(DecimalText, ThePointStandsBeforeTheLastDigits) {
    EXPECT_EQ(DecimalText(722, 2), QStringLiteral("7.22"));
    EXPECT_EQ(DecimalText(0, 2), QStringLiteral("0.00"));
    EXPECT_EQ(DecimalText(5, 2), QStringLiteral("0.05"));
    EXPECT_EQ(DecimalText(-5, 2), QStringLiteral("-0.05"));
    EXPECT_EQ(DecimalText(-1234, 2), QStringLiteral("-12.34"));
    EXPECT_EQ(DecimalText(1000, 1), QStringLiteral("100.0"));
    EXPECT_EQ(DecimalText(625, 1, QLatin1Char(',')), QStringLiteral("62,5"));
    EXPECT_EQ(DecimalText(7, 0), QStringLiteral("7"));
}

} // namespace
