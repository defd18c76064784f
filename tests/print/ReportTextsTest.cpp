#include "tests/print/ReportSeries.h"

#include "print/ReportTexts.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

ReportContent ContentOf(const ReportFile& report, MeasurementSpan span, std::vector<int64_t> levels) {
    return MakeReportContent({report.file, report.series(), span, std::move(levels), QDate(2026, 3, 7)});
}

TEST(ReportTexts, EveryStatisticOfTheHandWorkedSeries) {
    const ReportFile report = HandWorkedReportFile();
    ASSERT_EQ(report.evaluation.messages.size(), 1);
    const ReportContent content = ContentOf(report, {1, 6}, {50, 100, 1000});
    EXPECT_EQ(
        content.statisticLines,
        (QStringList{QStringLiteral("Среднее: 194 Бк/м³ (5,24 пКи/л)"), QStringLiteral("Медиана: 200 Бк/м³"),
                     QStringLiteral("Минимум: 80 Бк/м³ (изм. 5, 14.03.2025 16:13)"),
                     QStringLiteral("Максимум: 1000 Бк/м³ (изм. 6, 14.03.2025 20:40)"),
                     QStringLiteral("ЭРОА: 97 Бк/м³"), QStringLiteral("Время выше 50 Бк/м³: 100,0 %"),
                     QStringLiteral("Время выше 100 Бк/м³: 59,7 %"),
                     QStringLiteral("Время выше 1000 Бк/м³: 0,0 %")}));
}

TEST(ReportTexts, TheTitleBlockNamesFileInstrumentSeriesAndSpan) {
    const ReportContent content = ContentOf(HandWorkedReportFile(), {1, 6}, DefaultLevels());
    EXPECT_EQ(content.titleLines,
              (QStringList{QStringLiteral("Файл test.rad; Серия N 42"),
                           QStringLiteral("Номер прибора 7, чувствительность 10.00 * 10-5 Бк-1 * м3 * c-1"),
                           QStringLiteral("Начало: 14.03.2025 10:00:00, конец: 14.03.2025 21:01:20, "
                                          "продолжительность: 0 сут 11 ч"),
                           QStringLiteral("Измерений: 6 (с 1 по 6), ошибочных меток: 1")}));
    // Measurements 4 … 6 start at the bad mark's stand-in, the last good mark before it, and hold no bad
    // mark.
    const ReportContent later = ContentOf(HandWorkedReportFile(), {4, 6}, DefaultLevels());
    EXPECT_EQ(later.titleLines[2], QStringLiteral("Начало: 14.03.2025 12:40:00, конец: 14.03.2025 21:01:20, "
                                                  "продолжительность: 0 сут 8 ч"));
    EXPECT_EQ(later.titleLines[3], QStringLiteral("Измерений: 3 (с 4 по 6), ошибочных меток: 0"));
    EXPECT_EQ(later.statisticLines.size(), 8); // three levels unless given
}

TEST(ReportTexts, ASpanWithoutMeasuredTimeReadsDashes) {
    // Measurement 3 is the bad mark's: no exposure, so no figure can be formed.
    const ReportContent content = ContentOf(HandWorkedReportFile(), {3, 3}, {100});
    EXPECT_EQ(content.statisticLines,
              (QStringList{QStringLiteral("Среднее: —"), QStringLiteral("Медиана: —"),
                           QStringLiteral("Минимум: —"), QStringLiteral("Максимум: —"),
                           QStringLiteral("ЭРОА: —"), QStringLiteral("Время выше 100 Бк/м³: —")}));
    EXPECT_TRUE(content.dailyRows.empty());
}

TEST(ReportTexts, DailyRowsOfTheSpan) {
    const ReportContent content = ContentOf(HandWorkedReportFile(), {1, 6}, DefaultLevels());
    ASSERT_EQ(content.dailyRows.size(), 1u);
    EXPECT_EQ(content.dailyRows[0],
              (DailyRowTexts{QStringLiteral("14.03.2025"), QStringLiteral("11,0"), QStringLiteral("194")}));
    EXPECT_EQ(content.dailyTitles[2], QStringLiteral("Среднее, Бк/м³"));

    // 40 days from 06:00: the first and last days hold 18 and 6 hours, the days between 24.
    const ReportContent forty = ContentOf(FortyDaysReportFile(), {1, 320}, DefaultLevels());
    ASSERT_EQ(forty.dailyRows.size(), 41u);
    EXPECT_EQ(forty.dailyRows.front()[0], QStringLiteral("05.01.2025"));
    EXPECT_EQ(forty.dailyRows.front()[1], QStringLiteral("18,0"));
    EXPECT_EQ(forty.dailyRows[1][1], QStringLiteral("24,0"));
    EXPECT_EQ(forty.dailyRows.back()[0], QStringLiteral("14.02.2025"));
    EXPECT_EQ(forty.dailyRows.back()[1], QStringLiteral("6,0"));
    // Every measurement is 1.28e9 / (10800 × 250) = 474.07.
    EXPECT_EQ(forty.dailyRows[20][2], QStringLiteral("474"));
}

TEST(ReportTexts, HoursOfADayInTenthsHalvesToEven) {
    EXPECT_EQ(DailyRowTextsOf({QDate(2025, 1, 5), 1800, 7})[1], QStringLiteral("0,5"));
    EXPECT_EQ(DailyRowTextsOf({QDate(2025, 1, 5), 180, 7})[1], QStringLiteral("0,0")); // 0.05 h
    EXPECT_EQ(DailyRowTextsOf({QDate(2025, 1, 5), 540, 7})[1], QStringLiteral("0,2")); // 0.15 h
    EXPECT_EQ(DailyRowTextsOf({QDate(2025, 1, 5), 86400, 7})[1], QStringLiteral("24,0"));
}

TEST(ReportTexts, DurationInDaysAndWholeHours) {
    EXPECT_EQ(DurationText(40 * 86400), QStringLiteral("40 сут 0 ч"));
    EXPECT_EQ(DurationText(86400 + 5 * 3600 + 1799), QStringLiteral("1 сут 5 ч"));
    EXPECT_EQ(DurationText(5400), QStringLiteral("0 сут 2 ч")); // 1.5 h
    EXPECT_EQ(DurationText(9000), QStringLiteral("0 сут 2 ч")); // 2.5 h
    EXPECT_EQ(DurationText(0), QStringLiteral("0 сут 0 ч"));
    EXPECT_EQ(DurationText(-7200), QStringLiteral("-0 сут 2 ч")); // a clock set back over the span
}

TEST(ReportTexts, TheTimeAxisTitleCarriesTheYears) {
    const QDateTime december(QDate(2025, 12, 17), QTime(11, 0), Qt::UTC);
    EXPECT_EQ(ReportTimeTitle(3, december, december.addDays(5)), QStringLiteral("время,  (день мес), 2025"));
    EXPECT_EQ(ReportTimeTitle(3, december, december.addDays(30)),
              QStringLiteral("время,  (день мес), 2025–2026"));
    // The report's graph chose its unit for the span: days for the forty days.
    const ReportContent forty = ContentOf(FortyDaysReportFile(), {1, 320}, DefaultLevels());
    EXPECT_EQ(forty.timeTitle, QStringLiteral("время,  (день мес), 2025"));
}

TEST(ReportTexts, TheFooterTexts) {
    const ReportContent content = ContentOf(HandWorkedReportFile(), {1, 6}, DefaultLevels());
    EXPECT_EQ(content.printedText, QStringLiteral("Дата печати: 07.03.2026"));
    EXPECT_TRUE(content.programText.startsWith(QStringLiteral("radview ")));
    EXPECT_TRUE(
        content.programText.contains(QRegularExpression(QStringLiteral(R"(^radview \d+\.\d+\.\d+$)"))));
    EXPECT_EQ(PageNumberText(2, 3), QStringLiteral("Страница 2 из 3"));
}

} // namespace
