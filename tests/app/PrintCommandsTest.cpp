#include "tests/app/PrintFixture.h"

#include "store/AtomicFile.h"
#include "store/SystemErrorText.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QString kNoPrinter =
    QStringLiteral("Принтер не найден. Выберите принтер или печать в файл PDF в «Настройке принтера».");

QStringList FilesIn(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Lowers this process's file size limit for as long as it lives. With SIGXFSZ ignored a write beyond the
// limit fails with EFBIG instead of ending the process, as a write to a full disk fails.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        applied_ = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool applied() const { return applied_; }

private:
    rlimit saved_{};
    void (*previous_)(int) = SIG_DFL;
    bool applied_ = false;
};

using PrintCommandsTest = PrintTest;

TEST_F(PrintCommandsTest, AFailedPrintoutBlocksNoLaterOne) {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        chooseNoPrinterInSetup(); // keeps the first printouts off this machine's printer
    form->printGraphButton->click();
    answerRangeDialogWith(1);
    form->printTableButton->click();
    ASSERT_EQ(dialogs->errors,
              (QStringList{QStringLiteral("Ошибка печати"), QStringLiteral("Ошибка печати")}));

    const QString setupFile = choosePdfFileInSetup();
    const QString graphPdf = dir.filePath(QStringLiteral("graph.pdf"));
    const QString tablePdf = dir.filePath(QStringLiteral("table.pdf"));
    printGraphTo(graphPdf);
    printTableTo(tablePdf);
    EXPECT_EQ(dialogs->errors.size(), 2);
    EXPECT_FALSE(QFile::exists(setupFile));

    ASSERT_TRUE(QFile::exists(graphPdf));
    const PdfInfo graph = ReadPdfInfo(graphPdf);
    EXPECT_EQ(graph.pages, 1);
    EXPECT_GT(graph.width, graph.height);
    EXPECT_TRUE(
        PdfPageText(graphPdf, 0).contains(series().seriesTitle + QStringLiteral(". Измерения с 10 по 30")));

    ASSERT_TRUE(QFile::exists(tablePdf));
    EXPECT_EQ(RowNumbersByPage(tablePdf), (std::vector<std::vector<int>>{Range(1, 34), Range(35, 40)}));
}

TEST_F(PrintCommandsTest, APrinterLeftActiveIsReplacedWithTheSameChoices) {
    // A job that could not begin leaves Qt's printer active, and an active printer refuses every change.
    const QString missing = dir.filePath(QStringLiteral("missing/setup.pdf"));
    tableDialogs->onPrinterSetup = [missing](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(missing);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        QPainter painter;
        EXPECT_FALSE(painter.begin(&printer));
    };
    form->printerSetupButton->click();

    QString fileSeen;
    QPageSize::PageSizeId sizeSeen = QPageSize::A4;
    QPrinter::PrinterState stateSeen = QPrinter::Active;
    const QString chosen = dir.filePath(QStringLiteral("chosen.pdf"));
    tableDialogs->onPrinterSetup = [&](QPrinter& printer) {
        fileSeen = printer.outputFileName();
        sizeSeen = printer.pageLayout().pageSize().id();
        stateSeen = printer.printerState();
        printer.setOutputFileName(chosen);
        printer.setPageSize(QPageSize(QPageSize::A5));
    };
    form->printerSetupButton->click();
    EXPECT_EQ(stateSeen, QPrinter::Idle);
    EXPECT_EQ(fileSeen, missing);
    EXPECT_EQ(sizeSeen, QPageSize::Letter);

    // The second setup took effect: the printout goes to a file, on A5.
    const QString graphPdf = dir.filePath(QStringLiteral("graph.pdf"));
    printGraphTo(graphPdf);
    EXPECT_TRUE(dialogs->errors.isEmpty());
    const PdfInfo info = ReadPdfInfo(graphPdf);
    EXPECT_NEAR(info.width, 595.3, 1.0); // A5 across, in points
    EXPECT_NEAR(info.height, 419.5, 1.0);
}

TEST_F(PrintCommandsTest, APrintoutToAFileAsksForAFileOfItsOwn) {
    const QString setupFile = choosePdfFileInSetup();
    const QString graphPdf = dir.filePath(QStringLiteral("graph.pdf"));
    const QString tablePdf = dir.filePath(QStringLiteral("table.pdf"));
    printGraphTo(graphPdf);
    printTableTo(tablePdf);

    ASSERT_EQ(tableDialogs->saveRequests.size(), 2u);
    const SaveDialogRequest& graph = tableDialogs->saveRequests[0];
    EXPECT_EQ(graph.nameFilter, QStringLiteral("PDF (*.pdf)"));
    EXPECT_EQ(graph.defaultSuffix, QStringLiteral("pdf"));
    EXPECT_EQ(graph.fileName, dir.filePath(QStringLiteral("test-график.pdf")));
    EXPECT_TRUE(graph.confirmOverwrite);
    const SaveDialogRequest& table = tableDialogs->saveRequests[1];
    EXPECT_EQ(table.nameFilter, QStringLiteral("PDF (*.pdf)"));
    EXPECT_EQ(table.fileName, dir.filePath(QStringLiteral("test-таблица.pdf")));
    EXPECT_TRUE(table.confirmOverwrite);

    // The table did not overwrite the graph, and nothing went to the file named in the setup.
    EXPECT_EQ(ReadPdfInfo(graphPdf).pages, 1);
    EXPECT_EQ(ReadPdfInfo(tablePdf).pages, 2);
    EXPECT_FALSE(QFile::exists(setupFile));
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(PrintCommandsTest, CancellingTheFileDialogPrintsNothing) {
    choosePdfFileInSetup();
    const QStringList before = FilesIn(dir);
    form->printGraphButton->click(); // no answer: the save dialog is cancelled
    answerRangeDialogWith(1);
    form->printTableButton->click();
    EXPECT_EQ(tableDialogs->saveRequests.size(), 2u);
    EXPECT_EQ(FilesIn(dir), before);
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(PrintCommandsTest, TheTableAsksForItsRangeBeforeTheFile) {
    choosePdfFileInSetup();
    answerRangeDialog([](RangeDialog& dialog) { dialog.cancelButton->click(); });
    form->printTableButton->click();
    EXPECT_TRUE(tableDialogs->saveRequests.empty());

    const QString visible = dir.filePath(QStringLiteral("visible.pdf"));
    tableDialogs->saveAnswers.push_back(visible);
    answerRangeDialogWith(0); // measurements 10 … 30 of the zoomed view
    form->printTableButton->click();
    EXPECT_EQ(RowNumbersByPage(visible), (std::vector<std::vector<int>>{Range(10, 30)}));
}

TEST_F(PrintCommandsTest, NoPrinterIsExplainedWithTheWayOut) {
    chooseNoPrinterInSetup();
    form->printGraphButton->click();
    answerRangeDialogWith(1);
    form->printTableButton->click();
    EXPECT_EQ(dialogs->errors,
              (QStringList{QStringLiteral("Ошибка печати"), QStringLiteral("Ошибка печати")}));
    EXPECT_EQ(dialogs->errorDetails, (QStringList{kNoPrinter, kNoPrinter}));
    EXPECT_TRUE(tableDialogs->saveRequests.empty());
}

TEST_F(PrintCommandsTest, WithoutAnyPrinterBothPrintoutsSayTheyFailed) {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has a printer; the printouts would go to it";
    form->printGraphButton->click();
    answerRangeDialogWith(1);
    form->printTableButton->click();
    EXPECT_EQ(dialogs->errors,
              (QStringList{QStringLiteral("Ошибка печати"), QStringLiteral("Ошибка печати")}));
    EXPECT_EQ(dialogs->errorDetails, (QStringList{kNoPrinter, kNoPrinter}));
    EXPECT_EQ(tableDialogs->printerSetups, 0);
}

TEST_F(PrintCommandsTest, AFileThatCannotBeWrittenIsNamedWithItsCause) {
    choosePdfFileInSetup();
    const QString inMissingFolder = dir.filePath(QStringLiteral("нет такой папки/graph.pdf"));
    printGraphTo(inMissingFolder);
    const QString fifo = dir.filePath(QStringLiteral("fifo.pdf"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    printTableTo(fifo);

    EXPECT_EQ(dialogs->errors,
              (QStringList{QStringLiteral("Ошибка печати"), QStringLiteral("Ошибка печати")}));
    EXPECT_EQ(
        dialogs->errorDetails,
        (QStringList{QStringLiteral("Не удалось сохранить файл «%1»: папка «%2» не существует.")
                         .arg(inMissingFolder, dir.filePath(QStringLiteral("нет такой папки"))),
                     QStringLiteral("Не удалось сохранить файл «%1»: это не обычный файл.").arg(fifo)}));
    EXPECT_FALSE(QFile::exists(inMissingFolder));
}

TEST_F(PrintCommandsTest, AWriteThatFailsHalfwayLeavesTheOldFileAndNoTemporaryOne) {
    choosePdfFileInSetup();
    const QString target = dir.filePath(QStringLiteral("graph.pdf"));
    const QByteArray old = "an earlier printout";
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    const QStringList before = FilesIn(dir);
    tableDialogs->saveAnswers.push_back(target);
    {
        // Far less than a page of the graph: the disk is full after the first few kilobytes.
        const FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.applied());
        form->printGraphButton->click();
    }
    EXPECT_EQ(dialogs->errors, QStringList{QStringLiteral("Ошибка печати")});
    EXPECT_EQ(dialogs->errorDetails, QStringList{SaveFailureText(target, SystemErrorText(EFBIG))});
    EXPECT_EQ(Contents(target), old);
    EXPECT_EQ(FilesIn(dir), before);

    // Without the limit the same printout replaces the old file.
    printGraphTo(target);
    EXPECT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(Contents(target).startsWith("%PDF"));
}

TEST_F(PrintCommandsTest, TheGraphLeavesTheCurrentPrinterInPortrait) {
    choosePdfFileInSetup();
    tableDialogs->onPrinterSetup = [](QPrinter& printer) {
        printer.setPageOrientation(QPageLayout::Landscape);
    };
    form->printerSetupButton->click();
    printGraphTo(dir.filePath(QStringLiteral("graph.pdf")));
    EXPECT_EQ(form->printCommands().printer().pageLayout().orientation(), QPageLayout::Portrait);
    const QString tablePdf = dir.filePath(QStringLiteral("table.pdf"));
    printTableTo(tablePdf);
    const PdfInfo table = ReadPdfInfo(tablePdf);
    EXPECT_LT(table.width, table.height);
}

} // namespace
