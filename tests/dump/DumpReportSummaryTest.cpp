// radview-dump's report of a span and its summary of many files: the arguments, and the built program run
// as a script runs it.

#include "tests/print/ReportSeries.h"
#include "tests/support/PdfText.h"

#include "dump/DumpArgs.h"
#include "dump/DumpCommands.h"
#include "table/FileSummary.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct DumpRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

DumpRun RunDump(const QStringList& args, const QString& folder = QString()) {
    QProcess process;
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(QStringLiteral(RADVIEW_DUMP_EXE), args);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    const int exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {exitCode, process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

QString WriteFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes) {
    QFile file(folder.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

QStringList PageLines(const QString& pdf, int page) {
    QStringList lines;
    for (const QString& line : PdfPageText(pdf, page).split(QLatin1Char('\n')))
        if (!line.simplified().isEmpty())
            lines << line.simplified();
    return lines;
}

TEST(DumpReportArgs, ASpanAFileAndLevels) {
    const DumpArgsResult parsed = ParseDumpArgs(
        {"f.rad", "--series", "2", "--report", "3", "9", "out.pdf", "--levels", "50,100,2147483647"});
    ASSERT_TRUE(parsed.args.has_value()) << parsed.error.toStdString();
    EXPECT_EQ(parsed.args->action, DumpArgs::Action::Report);
    EXPECT_EQ(parsed.args->series, 2);
    EXPECT_EQ(parsed.args->first, 3);
    EXPECT_EQ(parsed.args->last, 9);
    EXPECT_EQ(parsed.args->output, QStringLiteral("out.pdf"));
    EXPECT_EQ(parsed.args->levels, (std::vector<int64_t>{50, 100, 2147483647}));
    EXPECT_TRUE(parsed.args->draws());

    const DumpArgsResult plain = ParseDumpArgs({"f.rad", "--series", "1", "--report", "1", "1", "o.pdf"});
    ASSERT_TRUE(plain.args.has_value());
    EXPECT_TRUE(plain.args->levels.empty()); // the usual 100, 200 and 300
}

TEST(DumpReportArgs, LevelsThatDoNotFitOrDoNotParseAreRefusedWithUsage) {
    const QStringList report{"f.rad", "--series", "1", "--report", "1", "2", "o.pdf", "--levels"};
    for (const char* levels : {"2147483648", "99999999999999999999", "100,99999999999999999999", "-1",
                               "100,,300", "100,", ",100", "", "1e3", "0x10", "100;200"}) {
        const DumpArgsResult parsed = ParseDumpArgs(report + QStringList{QString::fromLatin1(levels)});
        EXPECT_FALSE(parsed.args.has_value()) << levels;
        EXPECT_TRUE(parsed.error.contains(QStringLiteral("Использование:"))) << levels;
    }
    EXPECT_FALSE(ParseDumpArgs(report).args.has_value()); // no list at all
    const QStringList bad[] = {{"f.rad", "--series", "1", "--average", "1", "2", "--levels", "100"},
                               {"f.rad", "--series", "1", "--report", "1", "2"},
                               {"f.rad", "--series", "1", "--report", "1", "65536", "o.pdf"},
                               {"f.rad", "--report", "1", "2", "o.pdf"}};
    for (const QStringList& args : bad)
        EXPECT_FALSE(ParseDumpArgs(args).args.has_value()) << args.join(' ').toStdString();
}

TEST(DumpSummaryArgs, EveryArgumentAfterItIsAFile) {
    const DumpArgsResult parsed = ParseDumpArgs({"--summary", "a.rad", "--series", "b c.rad"});
    ASSERT_TRUE(parsed.args.has_value()) << parsed.error.toStdString();
    EXPECT_EQ(parsed.args->action, DumpArgs::Action::Summary);
    EXPECT_EQ(parsed.args->files, (QStringList{"a.rad", "--series", "b c.rad"}));
    EXPECT_FALSE(parsed.args->draws());

    const DumpArgsResult none = ParseDumpArgs({"--summary"});
    EXPECT_FALSE(none.args.has_value());
    EXPECT_TRUE(none.error.contains(QStringLiteral("Использование:")));
    EXPECT_FALSE(ParseDumpArgs({"f.rad", "--summary", "g.rad"}).args.has_value());
    EXPECT_TRUE(QString::fromUtf8(DumpUsage).contains(QStringLiteral("--summary FILE")));
    EXPECT_TRUE(QString::fromUtf8(DumpUsage).contains(QStringLiteral("--report FIRST LAST OUT.pdf")));
}

TEST(DumpSummary, TheShippedSamplesAndAnUnreadablePathByteForByte) {
    const DumpRun run = RunDump({"--summary", "one-series.rad", "several-series.rad", "long-series.rad",
                                 "/nonexistent-radview/lost.rad"},
                                QStringLiteral(RADVIEW_SAMPLES_DIR));
    const QByteArray expected =
        QStringLiteral(
            "file,instrument,sensitivity,series,number,first,last,measurements,bad_marks,average_bq_m3,max_"
            "bq_m3,"
            "refused\r\n"
            "one-series.rad,117,1250,1,3,2025-08-04T09:12:40,2025-08-09T14:11:19,60,0,137,203,\r\n"
            "several-series.rad,204,250,1,11,2025-03-11T10:05:00,2025-03-11T22:05:58,23,0,2722,3702,\r\n"
            "several-series.rad,204,250,2,12,2025-04-29T14:30:00,2025-04-30T01:14:23,21,1,2781,4070,\r\n"
            "several-series.rad,204,250,3,13,,,,,,,Серия не определена. Нет  измерений\r\n"
            "several-series.rad,204,250,4,14,2025-05-20T16:45:30,2025-05-21T11:27:17,29,0,2206,3105,\r\n"
            "long-series.rad,117,1250,1,27,2025-12-17T11:00:15,2026-01-16T03:15:06,519,0,207,334,\r\n"
            "/nonexistent-radview/lost.rad,,,,,,,,,,,Не удалось открыть файл "
            "«/nonexistent-radview/lost.rad»: "
            "папка «/nonexistent-radview» не существует\r\n")
            .toUtf8();
    EXPECT_EQ(run.out, expected);
    // The run went on past the unreadable file, and says so in its status and on standard error.
    EXPECT_EQ(run.exitCode, kSomeFilesUnread);
    EXPECT_EQ(run.err, QStringLiteral("radview-dump: не удалось прочитать файлов: 1 из 4\n"));

    const DumpRun clean = RunDump({"--summary", "one-series.rad"}, QStringLiteral(RADVIEW_SAMPLES_DIR));
    EXPECT_EQ(clean.exitCode, 0);
    EXPECT_TRUE(clean.err.isEmpty()) << clean.err.toStdString();
    EXPECT_EQ(clean.out, expected.left(expected.indexOf("several-series.rad")));
}

TEST(DumpSummary, LinesKeepTheOrderOfTheFilesWhateverFinishesFirst) {
    // Many files of different sizes and unreadable paths among them, so that the workers finish out of turn.
    QTemporaryDir folder;
    QStringList files;
    QByteArray expected = SummaryCsvHeader();
    for (int i = 0; i < 240; ++i) {
        QString path;
        if (i % 7 == 3) {
            path = folder.filePath(QStringLiteral("missing-%1.rad").arg(i));
        } else {
            const std::vector<int> seconds(static_cast<size_t>(1 + (i * 37) % 900), 600 + i);
            path = WriteFile(folder, QStringLiteral("file-%1.rad").arg(i),
                             InstrumentFileBuilder::IntervalSeries(
                                 static_cast<uint16_t>(i), 250,
                                 QDateTime(QDate(2025, 1, 5), QTime(6, 0), Qt::UTC), seconds));
        }
        files << path;
        expected += SummarizeInstrumentFile(path).csv;
    }
    const DumpOutcome outcome = RunSummary(files);
    EXPECT_EQ(outcome.out, expected);
    EXPECT_EQ(outcome.exitCode, kSomeFilesUnread);
    EXPECT_EQ(outcome.err, QStringLiteral("не удалось прочитать файлов: 34 из 240"));
}

class DumpReport : public ::testing::Test {
protected:
    void SetUp() override {
        if (!PdfToolsAvailable())
            GTEST_SKIP() << "pdftotext is not installed";
        file_ = WriteFile(folder_, QStringLiteral("test.rad"), HandWorkedReportFile().bytes);
    }
    QTemporaryDir folder_;
    QString file_;
};

TEST_F(DumpReport, TheHandWorkedStatisticsWithTheLevelsGiven) {
    const QString pdf = folder_.filePath(QStringLiteral("report.pdf"));
    const QDate before = QDate::currentDate();
    const DumpRun run =
        RunDump({file_, "--series", "1", "--report", "1", "6", pdf, "--levels", "50,100,1000"});
    const QDate after = QDate::currentDate();
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    // The bad mark's message, as for every command on the series.
    EXPECT_TRUE(run.err.contains(QStringLiteral("radview-dump: Ошибка в файле. № изм=3")))
        << run.err.toStdString();
    ASSERT_EQ(ReadPdfInfo(pdf).pages, 1);
    const QStringList lines = PageLines(pdf, 0);
    for (const char* line :
         {"Файл test.rad; Серия N 42", "Измерений: 6 (с 1 по 6), ошибочных меток: 1",
          "Среднее: 194 Бк/м³ (5,24 пКи/л)", "Медиана: 200 Бк/м³",
          "Минимум: 80 Бк/м³ (изм. 5, 14.03.2025 16:13)", "Максимум: 1000 Бк/м³ (изм. 6, 14.03.2025 20:40)",
          "ЭРОА: 97 Бк/м³", "Время выше 50 Бк/м³: 100,0 %", "Время выше 100 Бк/м³: 59,7 %",
          "Время выше 1000 Бк/м³: 0,0 %", "14.03.2025 11,0 194"})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line << "\nin:\n"
                                                             << lines.join('\n').toStdString();
    EXPECT_FALSE(lines.join('\n').contains(QStringLiteral("Время выше 200")));
    const QString footer = lines.last();
    EXPECT_TRUE(
        footer.contains(QStringLiteral("Дата печати: ") + before.toString(QStringLiteral("dd.MM.yyyy"))) ||
        footer.contains(QStringLiteral("Дата печати: ") + after.toString(QStringLiteral("dd.MM.yyyy"))))
        << footer.toStdString();
    EXPECT_TRUE(footer.startsWith(QStringLiteral("Страница 1 из 1")));
    EXPECT_TRUE(footer.endsWith(QStringLiteral(" radview ") + QStringLiteral(RADVIEW_VERSION_TEXT)))
        << footer.toStdString();
}

TEST_F(DumpReport, WithoutLevelsTheUsualThree) {
    const QString pdf = folder_.filePath(QStringLiteral("report.pdf"));
    ASSERT_EQ(RunDump({file_, "--series", "1", "--report", "4", "6", pdf}).exitCode, 0);
    const QStringList lines = PageLines(pdf, 0);
    for (const char* line : {"Измерений: 3 (с 4 по 6), ошибочных меток: 0", "Время выше 100 Бк/м³: 46,8 %",
                             "Время выше 200 Бк/м³: 4,3 %", "Время выше 300 Бк/м³: 4,3 %"})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line << "\nin:\n"
                                                             << lines.join('\n').toStdString();
}

TEST_F(DumpReport, ASpanOutsideTheSeriesWritesNothing) {
    const QString pdf = folder_.filePath(QStringLiteral("report.pdf"));
    for (const QStringList& span : {QStringList{"0", "3"}, QStringList{"4", "3"}, QStringList{"1", "7"}}) {
        const DumpRun run =
            RunDump(QStringList{file_, "--series", "1", "--report"} + span + QStringList{pdf});
        EXPECT_EQ(run.exitCode, 2) << span.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("нет в серии"))) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(pdf));
}

} // namespace
