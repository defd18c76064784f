#include "tests/app/SeriesShownFixture.h"

#include "app/window/InfoPanel.h"

#include "app/commands/TableCommands.h"
#include "table/Averaging.h"
#include "table/Cp866.h"
#include "table/CsvTable.h"
#include "table/TableColumns.h"
#include "table/TableFile.h"
#include "tests/support/InstrumentFileBuilder.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QSpinBox>
#include <QToolButton>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// While it lives, this process may write no file beyond `bytes`, and SIGXFSZ is ignored, so that a write
// past the limit fails with EFBIG: the way a full disk looks to the program. Only the soft limit is lowered,
// so it can be raised again afterwards without privileges.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lowered{bytes, saved_.rlim_max};
        limited_ = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool limited() const { return limited_; }

private:
    rlimit saved_{};
    void (*previous_)(int) = SIG_DFL;
    bool limited_ = false;
};

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

using AveragingTest = SeriesShownTest;

TEST_F(AveragingTest, WholeRangeGivesTheSeriesAverage) {
    answerRangeDialogWith(1);
    form->averageButton->click();
    const int64_t expected = AverageActivity(series(), 250, {1, 40}).value();
    EXPECT_EQ(form->infoPanel->averageLabel->text(), QString::number(expected));
    EXPECT_EQ(form->infoPanel->averageFromLabel->text(), QStringLiteral("1"));
    EXPECT_EQ(form->infoPanel->averageToLabel->text(), QStringLiteral("40"));
}

TEST_F(AveragingTest, VisibleMeasurementsOfTheZoomedView) {
    answerRangeDialogWith(0);
    form->averageButton->click();
    EXPECT_EQ(form->infoPanel->averageFromLabel->text(), QStringLiteral("10"));
    EXPECT_EQ(form->infoPanel->averageToLabel->text(), QStringLiteral("30"));
    EXPECT_EQ(form->infoPanel->averageLabel->text(),
              QString::number(AverageActivity(series(), 250, {10, 30}).value()));
}

TEST_F(AveragingTest, CancelChangesNothing) {
    answerRangeDialogWith(1);
    form->averageButton->click();
    const QString average = form->infoPanel->averageLabel->text();
    answerRangeDialog([](RangeDialog& dialog) {
        dialog.rangeChoices->button(0)->click();
        dialog.cancelButton->click();
    });
    form->averageButton->click();
    EXPECT_EQ(form->infoPanel->averageLabel->text(), average);
    EXPECT_EQ(form->infoPanel->averageToLabel->text(), QStringLiteral("40"));
}

TEST_F(AveragingTest, ASpanWithoutTimeIsReportedAndTheLabelsStay) {
    // Three marks at the same second: both measurements are bad and take no time.
    const QString still = writeFile(QStringLiteral("still.rad"), InstrumentFileBuilder(1, 250)
                                                                     .series(1, 25)
                                                                     .mark(1, 5, 6, 0, 0)
                                                                     .mark(1, 5, 6, 0, 0)
                                                                     .mark(1, 5, 6, 0, 0)
                                                                     .endSeries()
                                                                     .endFile()
                                                                     .bytes());
    openThroughDialog(still);
    dialogs->errors.clear();
    answerRangeDialogWith(1);
    form->averageButton->click();
    EXPECT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(form->infoPanel->averageLabel->text().isEmpty());
}

using SavingTest = SeriesShownTest;

TEST_F(SavingTest, SavesTheChosenSpanFromTheTableCells) {
    const QString target = dir.filePath(QStringLiteral("saved.txt"));
    tableDialogs->saveAnswers.push_back(target);
    answerRangeDialogWith(0);
    form->saveTableButton->click();
    ASSERT_EQ(tableDialogs->saveRequests.size(), 1u);
    const SaveDialogRequest& request = tableDialogs->saveRequests[0];
    EXPECT_EQ(request.fileName, dir.filePath(QStringLiteral("test.txt")));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("txt"));
    EXPECT_EQ(request.nameFilter, QStringLiteral("Текстовый файл (*.txt)"));
    EXPECT_TRUE(request.confirmOverwrite) << "a chosen file that exists is replaced only after a question";

    std::vector<RowTexts> rows;
    for (int k = 10; k <= 30; ++k)
        rows.push_back(MeasurementRowTexts(series(), k));
    const TableHeader header{series().seriesTitle, 117, 250, series().equilibriumActivity};
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), TableFileBytes(header, TableTitles(), rows));
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(SavingTest, TheSaveDialogOffersCsvBesideTheTextFile) {
    answerRangeDialogWith(1);
    form->saveTableButton->click();
    ASSERT_EQ(tableDialogs->saveRequests.size(), 1u);
    const SaveDialogRequest& request = tableDialogs->saveRequests[0];
    EXPECT_EQ(request.nameFilter, QStringLiteral("Текстовый файл (*.txt)"));
    EXPECT_EQ(request.otherFilters, QStringList{QStringLiteral("CSV (*.csv)")});
}

TEST_F(SavingTest, ChoosingCsvSavesTheSpanAsCsv) {
    const QString target = dir.filePath(QStringLiteral("saved.csv"));
    tableDialogs->saveAnswers.push_back(target);
    tableDialogs->saveFilterAnswers.push_back(QString::fromUtf8(CsvFileFilter));
    answerRangeDialogWith(0);
    form->saveTableButton->click();
    EXPECT_EQ(ReadAll(target), SpanCsv(series(), {10, 30}));
    EXPECT_TRUE(dialogs->errors.isEmpty());
    // A typed extension of an offered type decides: the text file chosen, "x.csv" typed, is CSV; another
    // extension leaves the type chosen.
    const QString typed = dir.filePath(QStringLiteral("typed.csv"));
    tableDialogs->saveAnswers.push_back(typed);
    tableDialogs->saveFilterAnswers.push_back(QString::fromUtf8(TableFileFilter));
    answerRangeDialogWith(0);
    form->saveTableButton->click();
    EXPECT_EQ(ReadAll(typed), SpanCsv(series(), {10, 30}));
    const QString other = dir.filePath(QStringLiteral("x.txt"));
    tableDialogs->saveAnswers.push_back(other);
    tableDialogs->saveFilterAnswers.push_back(QString::fromUtf8(CsvFileFilter));
    answerRangeDialogWith(0);
    form->saveTableButton->click();
    EXPECT_TRUE(ReadAll(other).startsWith(ToCp866(series().seriesTitle) + "\r\n"));
}

// A series across a new year with a bad mark: the window and the command line write the same CSV, the year
// rolling over in its moments.
TEST_F(SavingTest, TheWindowAndTheCommandLineWriteTheSameCsv) {
    const QString newYear = writeFile(QStringLiteral("new-year.rad"), InstrumentFileBuilder(7, 1000)
                                                                          .series(42, 25)
                                                                          .mark(12, 31, 22, 0, 0)
                                                                          .mark(12, 31, 23, 20, 0)
                                                                          .mark(1, 1, 0, 40, 0)
                                                                          .mark(1, 1, 25, 0, 0)
                                                                          .mark(1, 1, 2, 0, 0)
                                                                          .mark(1, 1, 2, 32, 0)
                                                                          .endSeries()
                                                                          .endFile()
                                                                          .bytes());
    openThroughDialog(newYear);
    ASSERT_EQ(series().measurementCount, 5);
    EXPECT_EQ(dialogs->errors.size(), 1); // the bad mark
    const QString fromWindow = dir.filePath(QStringLiteral("window.csv"));
    tableDialogs->saveAnswers.push_back(fromWindow);
    tableDialogs->saveFilterAnswers.push_back(QString::fromUtf8(CsvFileFilter));
    answerRangeDialogWith(1);
    form->saveTableButton->click();

    const QByteArray expected = "number,start,end,exposure_s,activity_bq_m3,error_bq_m3,activity_pci_l\r\n"
                                "1,2025-12-31T22:00:00,2025-12-31T23:20:00,4800,267,40,7.22\r\n"
                                "2,2025-12-31T23:20:00,2026-01-01T00:40:00,4800,267,40,7.22\r\n"
                                "3,2026-01-01T00:40:00,2026-01-01T00:40:00,0,0,0,0.00\r\n"
                                "4,2026-01-01T00:40:00,2026-01-01T02:00:00,4800,533,80,14.41\r\n"
                                "5,2026-01-01T02:00:00,2026-01-01T02:32:00,1920,667,100,18.03\r\n";
    EXPECT_EQ(ReadAll(fromWindow), expected);

    const QString fromCommandLine = dir.filePath(QStringLiteral("command-line.csv"));
    for (const QString& out : {fromCommandLine, QStringLiteral("-")}) {
        QProcess dump;
        dump.start(QStringLiteral(RADVIEW_DUMP_EXE),
                   {newYear, QStringLiteral("--series"), QStringLiteral("1"), QStringLiteral("--csv"),
                    QStringLiteral("1"), QStringLiteral("5"), out});
        ASSERT_TRUE(dump.waitForFinished(60000));
        EXPECT_EQ(dump.exitCode(), 0) << dump.readAllStandardError().toStdString();
        const QByteArray written = out == QLatin1String("-") ? dump.readAllStandardOutput() : ReadAll(out);
        EXPECT_EQ(written, ReadAll(fromWindow)) << out.toStdString();
    }
}

TEST_F(SavingTest, CancellingTheSaveDialogWritesNothing) {
    answerRangeDialogWith(1);
    form->saveTableButton->click();
    EXPECT_EQ(tableDialogs->saveRequests.size(), 1u);
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.txt")}, QDir::Files).size(), 0);
}

TEST_F(SavingTest, AFailedSaveIsReportedByName) {
    const QString target = dir.filePath(QStringLiteral("no such folder/saved.txt"));
    tableDialogs->saveAnswers.push_back(target);
    answerRangeDialogWith(1);
    form->saveTableButton->click();
    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(dialogs->errors[0].contains(target));
}

TEST_F(SavingTest, AFullDiskKeepsTheOldTableAndSaysSo) {
    const QString target = dir.filePath(QStringLiteral("saved.txt"));
    {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the table saved before\r\n");
    }
    const QStringList before = Entries(dir.path());
    for (const rlim_t limit : {rlim_t{0}, rlim_t{1000}}) {
        SCOPED_TRACE(limit);
        dialogs->errors.clear();
        tableDialogs->saveAnswers.push_back(target);
        answerRangeDialogWith(1);
        {
            FileSizeLimit full(limit);
            ASSERT_TRUE(full.limited());
            form->saveTableButton->click();
        }
        ASSERT_EQ(dialogs->errors.size(), 1);
        EXPECT_EQ(
            dialogs->errors[0],
            QStringLiteral("Не удалось сохранить файл «%1»: превышен допустимый размер файла.").arg(target));
        EXPECT_EQ(ReadAll(target), QByteArray("the table saved before\r\n"));
        EXPECT_EQ(Entries(dir.path()), before);
    }
    // The same save with room on the disk replaces the old table.
    tableDialogs->saveAnswers.push_back(target);
    answerRangeDialogWith(1);
    form->saveTableButton->click();
    EXPECT_TRUE(ReadAll(target).startsWith(ToCp866(series().seriesTitle) + "\r\n"));
    EXPECT_EQ(Entries(dir.path()), before);
}

TEST_F(SavingTest, AFifoChosenAsTheFileIsRefusedAndKept) {
    const QString fifo = dir.filePath(QStringLiteral("pipe.txt"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    tableDialogs->saveAnswers.push_back(fifo);
    answerRangeDialogWith(1);
    form->saveTableButton->click();
    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_EQ(dialogs->errors[0],
              QStringLiteral("Не удалось сохранить файл «%1»: это не обычный файл.").arg(fifo));
    struct stat after {};
    ASSERT_EQ(lstat(QFile::encodeName(fifo).constData(), &after), 0);
    EXPECT_TRUE(S_ISFIFO(after.st_mode));
}

} // namespace
