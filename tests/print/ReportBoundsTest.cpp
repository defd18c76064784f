// The report of any span stays a few pages: its table of averages is told by days, months or years as the
// span is long, and a clock that went back gives dashes and a note, never negative figures.

#include "tests/print/ReportSeries.h"

#include "print/PdfFile.h"
#include "print/PdfPrinter.h"
#include "print/ReportPrintout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The largest file the viewer reads, its marks alternating 31 December and 1 January: every mark is a new
// year, so 1637 marks span 818 years.
ReportFile CenturiesReportFile() {
    InstrumentFileBuilder builder(1, 250);
    builder.series(1, 25);
    for (int m = 0; m < 1637; ++m)
        m % 2 == 0 ? builder.mark(12, 31, 12, 0, 0) : builder.mark(1, 1, 12, 0, 0);
    builder.endSeries().endFile();
    return ReportFileOf(builder.bytes().left(MaxFileBytes));
}

// Marks of the given moments, the instrument's clock set as it was.
ReportFile MarksReportFile(const std::vector<QDateTime>& moments) {
    InstrumentFileBuilder builder(1, 250);
    builder.series(1, static_cast<uint8_t>(moments.front().date().year() - 2000));
    for (const QDateTime& moment : moments)
        builder.mark(moment);
    builder.endSeries().endFile();
    return ReportFileOf(builder.bytes());
}

ReportContent ContentOf(const ReportFile& report, MeasurementSpan span) {
    return MakeReportContent({report.file, report.series(), span, DefaultLevels(), QDate(2026, 3, 7)});
}

// The number of pages the report takes, as its drawing counts them.
int ReportPages(const ReportFile& report, MeasurementSpan span) {
    const ReportSource source{report.file, report.series(), span, DefaultLevels(), QDate(2026, 3, 7)};
    int pages = 0;
    const PdfPages pdf = MakePdf(CommonPageLayout(), QString(), [&](QPagedPaintDevice& device) {
        return PrintReport(device, source, [&pages](int, int pageCount) {
            pages = pageCount;
            return true;
        });
    });
    EXPECT_TRUE(pdf.made.ok());
    return pages;
}

TEST(ReportBounds, EightHundredYearsFromASmallFileTakeAtMostFourPages) {
    const ReportFile report = CenturiesReportFile();
    ASSERT_FALSE(report.evaluation.refused());
    const int n = report.series().measurementCount;
    ASSERT_GT(n, 1600);
    const ReportContent content = ContentOf(report, {1, n});
    EXPECT_EQ(content.dailyHeading, QStringLiteral("Средние по годам"));
    ASSERT_FALSE(content.dailyRows.empty());
    EXPECT_LE(content.dailyRows.size(), static_cast<size_t>(MostPeriodRows));
    // Years grouped by nine: 818 years in rows of "2025–2033".
    EXPECT_EQ(content.dailyRows.front()[0], QStringLiteral("2025–2033"));
    const int pages = ReportPages(report, {1, n});
    EXPECT_GE(pages, 1);
    EXPECT_LE(pages, 4);
}

TEST(ReportBounds, DaysUpTo62DaysMonthsUpToFiveYearsYearsBeyond) {
    const QDateTime start(QDate(2025, 1, 5), QTime(6, 0), Qt::UTC);
    // Marks every 20 days up to the end, so that the evaluation sees every new year.
    const auto headingFor = [&](const QDateTime& end) {
        std::vector<QDateTime> moments{start};
        while (moments.back().addDays(20) < end)
            moments.push_back(moments.back().addDays(20));
        moments.push_back(end);
        const ReportFile report = MarksReportFile(moments);
        return ContentOf(report, {1, static_cast<int>(moments.size()) - 1}).dailyHeading;
    };
    EXPECT_EQ(headingFor(start.addDays(61)), QStringLiteral("Средние по суткам")); // 62 calendar days
    EXPECT_EQ(headingFor(start.addDays(62)), QStringLiteral("Средние по месяцам"));
    EXPECT_EQ(headingFor(start.addYears(5).addDays(-1)), QStringLiteral("Средние по месяцам"));
    EXPECT_EQ(headingFor(start.addYears(5).addDays(1)), QStringLiteral("Средние по годам"));

    // A month's row: its name and the month's measured hours.
    const ReportFile months = MarksReportFile({start, start.addDays(40), start.addDays(70)});
    const ReportContent content = ContentOf(months, {1, 2});
    ASSERT_EQ(content.dailyRows.size(), 3u);
    EXPECT_EQ(content.dailyRows[0][0], QStringLiteral("01.2025"));
    EXPECT_EQ(content.dailyRows[0][1], QStringLiteral("642,0")); // 5 Jan 06:00 to 1 Feb: 26 d 18 h
    EXPECT_EQ(content.dailyRows[1][0], QStringLiteral("02.2025"));
    EXPECT_EQ(content.dailyRows[1][1], QStringLiteral("672,0")); // all of February
    EXPECT_EQ(content.dailyRows[2][0], QStringLiteral("03.2025"));
}

TEST(ReportBounds, AClockThatWentBackGivesDashesAndANoteNotNegativeFigures) {
    const QDateTime start(QDate(2025, 1, 5), QTime(10, 0), Qt::UTC);
    // The clock set back five hours after the first measurement.
    const ReportFile report = MarksReportFile({start, start.addSecs(3600), start.addSecs(-4 * 3600)});
    ASSERT_FALSE(report.evaluation.refused());
    const ReportContent content = ContentOf(report, {1, 2});
    EXPECT_TRUE(content.titleLines[2].endsWith(QStringLiteral("продолжительность: —")))
        << content.titleLines[2].toStdString();
    EXPECT_EQ(content.statisticLines.front(), QStringLiteral("Среднее: —"));
    EXPECT_TRUE(content.statisticLines.contains(QStringLiteral("ЭРОА: —")));
    EXPECT_EQ(content.statisticLines.back(), QStringLiteral("часы прибора шли назад"));
    for (const QString& line : content.statisticLines + content.titleLines)
        EXPECT_FALSE(line.contains(QStringLiteral(": -"))) << line.toStdString();
    // A span that goes forward says nothing of it.
    EXPECT_FALSE(ContentOf(report, {1, 1}).statisticLines.contains(QStringLiteral("часы прибора шли назад")));
}

TEST(ReportBounds, AReportStoppedBeforeAPageWritesNoFile) {
    // The window's "Отмена" answers false to the question asked before each page.
    const ReportFile report = CenturiesReportFile();
    const ReportSource source{report.file,
                              report.series(),
                              {1, report.series().measurementCount},
                              DefaultLevels(),
                              QDate(2026, 3, 7)};
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    int asked = 0;
    const Outcome written = WritePdfFile(path, [&](QPagedPaintDevice& device) {
        return PrintReport(device, source, [&asked](int page, int) {
            ++asked;
            return page < 1;
        });
    });
    EXPECT_FALSE(written.ok());
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

} // namespace
