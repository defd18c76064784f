#include "tests/app/PrintFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

// The window's PDF against the command line's: the same span on the same pages at the same places.
class PrintPagesTest : public PrintTest {
protected:
    // Printer setup through Qt's own dialog, as the user does it: "Print to File (PDF)", the last entry of
    // the printer list, and a file name; then the confirm button.
    void choosePdfFileInQtSetup() {
        const QString pdf = dir.filePath(QStringLiteral("setup.pdf"));
        tableDialogs->onPrinterSetup = [this, pdf](QPrinter& printer) {
            QTimer::singleShot(0, [pdf] {
                auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
                ASSERT_NE(dialog, nullptr);
                auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
                auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
                auto* buttons = dialog->findChild<QDialogButtonBox*>();
                ASSERT_TRUE(printers && fileName && buttons);
                printers->setCurrentIndex(printers->count() - 1);
                fileName->setText(pdf);
                buttons->button(QDialogButtonBox::Ok)->click();
            });
            QtUserDialogs().printerSetup(form, printer);
        };
        form->printerSetupButton->click();
    }

    // radview-dump on the series shown; true when it succeeded.
    bool dump(const QStringList& action) {
        QProcess process;
        process.start(QStringLiteral(RADVIEW_DUMP_EXE),
                      QStringList{path, QStringLiteral("--series"), QStringLiteral("1")} + action);
        return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }
};

TEST_F(PrintPagesTest, TheTableFallsOnTheCommandLinesPages) {
    choosePdfFileInQtSetup();
    ASSERT_EQ(form->printCommands().printer().outputFileName(), dir.filePath(QStringLiteral("setup.pdf")));
    const QString window = dir.filePath(QStringLiteral("window.pdf"));
    printTableTo(window);
    ASSERT_TRUE(dialogs->errors.isEmpty()) << dialogs->errorDetails.join(QLatin1Char('\n')).toStdString();
    const QString commandLine = dir.filePath(QStringLiteral("command-line.pdf"));
    ASSERT_TRUE(
        dump({QStringLiteral("--print-table"), QStringLiteral("1"), QStringLiteral("40"), commandLine}));

    const PdfInfo windowInfo = ReadPdfInfo(window);
    const PdfInfo commandLineInfo = ReadPdfInfo(commandLine);
    EXPECT_EQ(windowInfo.pages, commandLineInfo.pages);
    EXPECT_NEAR(windowInfo.width, commandLineInfo.width, 0.1);
    EXPECT_NEAR(windowInfo.height, commandLineInfo.height, 0.1);

    const auto windowRows = TableRowWords(window);
    const auto commandLineRows = TableRowWords(commandLine);
    ASSERT_EQ(windowRows.size(), commandLineRows.size());
    for (size_t page = 0; page < windowRows.size(); ++page) {
        ASSERT_FALSE(windowRows[page].empty()) << page;
        ASSERT_FALSE(commandLineRows[page].empty()) << page;
        for (const auto& [ours, theirs] :
             {std::pair{windowRows[page].front(), commandLineRows[page].front()},
              std::pair{windowRows[page].back(), commandLineRows[page].back()}}) {
            EXPECT_EQ(ours.text, theirs.text) << page;
            EXPECT_NEAR(ours.xMin, theirs.xMin, 0.05) << page << " row " << ours.text.toStdString();
            EXPECT_NEAR(ours.yMin, theirs.yMin, 0.05) << page << " row " << ours.text.toStdString();
        }
    }
    // A4 with margins of 10 mm at 600 dpi: 34 rows under the title block, 40 on a further page.
    EXPECT_EQ(RowNumbersByPage(window), (std::vector<std::vector<int>>{Range(1, 34), Range(35, 40)}));
}

TEST_F(PrintPagesTest, TheGraphIsTheCommandLinesPage) {
    choosePdfFileInQtSetup();
    const QString window = dir.filePath(QStringLiteral("window.pdf"));
    printGraphTo(window); // the zoomed view, measurements 10 … 30
    ASSERT_TRUE(dialogs->errors.isEmpty()) << dialogs->errorDetails.join(QLatin1Char('\n')).toStdString();
    const QString commandLine = dir.filePath(QStringLiteral("command-line.pdf"));
    ASSERT_TRUE(dump({QStringLiteral("--print-graph"), commandLine, QStringLiteral("--view"),
                      QStringLiteral("10"), QStringLiteral("21")}));

    const std::vector<PdfWord> ours = PdfWords(window);
    const std::vector<PdfWord> theirs = PdfWords(commandLine);
    ASSERT_EQ(ours.size(), theirs.size());
    ASSERT_FALSE(ours.empty());
    for (size_t i = 0; i < ours.size(); ++i) {
        EXPECT_EQ(ours[i].text, theirs[i].text) << i;
        EXPECT_NEAR(ours[i].xMin, theirs[i].xMin, 0.05) << ours[i].text.toStdString();
        EXPECT_NEAR(ours[i].yMin, theirs[i].yMin, 0.05) << ours[i].text.toStdString();
    }
}

TEST_F(PrintPagesTest, TheGraphPageShowsTheReadingOfTheScreen) {
    ReadingSettings reading;
    reading.unit = ActivityUnit::PicocuriePerLitre;
    reading.levels = {137}; // 3,70 pCi/L, no step of the scale
    form->document().setReading(reading);
    choosePdfFileInQtSetup();
    const QString pdf = dir.filePath(QStringLiteral("reading.pdf"));
    printGraphTo(pdf);
    ASSERT_TRUE(dialogs->errors.isEmpty()) << dialogs->errorDetails.join(QLatin1Char('\n')).toStdString();
    QStringList words;
    for (const PdfWord& word : PdfWords(pdf))
        words << word.text;
    EXPECT_TRUE(words.contains(QStringLiteral("пКи/л"))) << words.join(' ').toStdString();
    EXPECT_TRUE(words.contains(QStringLiteral("3,70"))) << words.join(' ').toStdString();
}

} // namespace
