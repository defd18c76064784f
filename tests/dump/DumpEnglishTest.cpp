// radview-dump run as an English-speaking user runs it: its usage, refusals and printouts in English, the
// saved table the same bytes as in Russian, since other programs read it.

#include "tests/print/ReportSeries.h"
#include "tests/support/PdfText.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

bool HasCyrillic(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x400 && c.unicode() < 0x530; });
}

struct DumpRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// The child's language comes from LANG alone: the tests' own LC_ALL and LANGUAGE are taken away.
DumpRun RunDumpIn(const char* lang, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), QString::fromLatin1(lang));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(RADVIEW_DUMP_EXE), arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    const int exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {exitCode, QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class DumpInEnglish : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QFile file(path(QStringLiteral("test.rad")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(HandWorkedReportFile().bytes);
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString pdfText(const QString& name) const {
        QString text;
        for (const PdfWord& word : PdfWords(path(name)))
            text += word.text + QLatin1Char(' ');
        return text;
    }

    QTemporaryDir dir_;
};

TEST_F(DumpInEnglish, UsageAndRefusals) {
    const DumpRun help = RunDumpIn("en_US.UTF-8", {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: radview-dump FILE\n  or:  ")))
        << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("Exit status: 0 on success")));
    EXPECT_FALSE(HasCyrillic(help.out)) << help.out.toStdString();

    const DumpRun unknown = RunDumpIn("en_US.UTF-8", {"f.rad", "--bogus"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.startsWith(QStringLiteral("radview-dump: unknown option «--bogus»\nUsage: ")))
        << unknown.err.toStdString();
    EXPECT_FALSE(HasCyrillic(unknown.err)) << unknown.err.toStdString();

    // Refused after the file is read, and as C speaks: Russian.
    const DumpRun noSeries =
        RunDumpIn("en_US.UTF-8", {path(QStringLiteral("test.rad")), "--series", "9", "--average", "1", "2"});
    EXPECT_EQ(noSeries.err, QStringLiteral("radview-dump: the file has no series 9 (series in it: 1)\n"));
    const DumpRun inC = RunDumpIn("C.UTF-8", {"f.rad", "--bogus"});
    EXPECT_TRUE(
        inC.err.startsWith(QStringLiteral("radview-dump: неизвестный параметр «--bogus»\nИспользование: ")))
        << inC.err.toStdString();
}

TEST_F(DumpInEnglish, TheSavedTableIsTheSameBytesInEveryLanguage) {
    const QStringList save{path(QStringLiteral("test.rad")), "--series", "1", "--save-table", "1", "6"};
    ASSERT_EQ(RunDumpIn("en_US.UTF-8", save + QStringList{path(QStringLiteral("en.txt"))}).exitCode, 0);
    ASSERT_EQ(RunDumpIn("ru_RU.UTF-8", save + QStringList{path(QStringLiteral("ru.txt"))}).exitCode, 0);
    const QByteArray english = ReadAll(path(QStringLiteral("en.txt")));
    EXPECT_FALSE(english.isEmpty());
    EXPECT_EQ(english, ReadAll(path(QStringLiteral("ru.txt"))));
    // "Серия" in code page 866: the file's first line stays Russian.
    EXPECT_TRUE(english.contains("\x91\xa5\xe0\xa8\xef N 42"));
}

TEST_F(DumpInEnglish, PrintoutsAndReportReadInEnglish) {
    if (!PdfToolsAvailable())
        GTEST_SKIP() << "pdftotext is not installed";
    const QString file = path(QStringLiteral("test.rad"));
    const QStringList series{file, "--series", "1"};
    ASSERT_EQ(
        RunDumpIn("en_US.UTF-8", series + QStringList{"--report", "1", "6", path("report.pdf")}).exitCode, 0);
    ASSERT_EQ(RunDumpIn("en_US.UTF-8", series + QStringList{"--print-graph", path("graph.pdf")}).exitCode, 0);
    ASSERT_EQ(
        RunDumpIn("en_US.UTF-8", series + QStringList{"--print-table", "1", "6", path("table.pdf")}).exitCode,
        0);

    const QString report = pdfText(QStringLiteral("report.pdf")).simplified();
    for (const char* line :
         {"Report on a series of radon activity concentration measurements", "File test.rad; Series No. 42",
          "Instrument number 7, sensitivity 10.00 * 10-5 Bq-1 * m3 * s-1",
          "Start: 2025-03-14 10:00:00, end: 2025-03-14 21:01:20, duration: 0 d 11 h",
          "Measurements: 6 (1 to 6), bad marks: 1", "Average: 194 Bq/m³ (5.24 pCi/L)", "Median: 200 Bq/m³",
          "Minimum: 80 Bq/m³ (meas. 5, 2025-03-14 16:13)", "EEC: 97 Bq/m³", "Time above 100 Bq/m³: 59.7 %",
          "Daily averages Date 2025-03-14 Page 1 of 1 Hours 11.0 Average, Bq/m³ 194"})
        EXPECT_TRUE(report.contains(QString::fromUtf8(line))) << line << "\n" << report.toStdString();
    EXPECT_FALSE(HasCyrillic(report)) << report.toStdString();

    const QString graph = pdfText(QStringLiteral("graph.pdf"));
    EXPECT_TRUE(graph.contains(QStringLiteral("File test.rad; Series No. 42"))) << graph.toStdString();
    EXPECT_TRUE(graph.contains(QStringLiteral("Activity"))) << graph.toStdString();
    EXPECT_FALSE(HasCyrillic(graph)) << graph.toStdString();

    // pdftotext reads the table column by column.
    const QString table = pdfText(QStringLiteral("table.pdf")).simplified();
    for (const char* line :
         {"File test.rad; Series No. 42 Instrument number 7 Sensitivity=10.00*10-5 Bq-1 * m3 * s-1 "
          "EEC=97±15 Bq/m3 No. Start time 1 2 3 4 5 6 14 Mar 10:00:00 14 Mar 11:46:40",
          "End time 14 Mar 11:46:40", "Activity, (Bq/m3) Exposure, s 200±30 400±60"})
        EXPECT_TRUE(table.contains(QString::fromUtf8(line))) << line << "\n" << table.toStdString();
    EXPECT_FALSE(HasCyrillic(table)) << table.toStdString();
}

} // namespace
