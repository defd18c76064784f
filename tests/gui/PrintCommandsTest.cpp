#include "SeriesShownFixture.h"

#include "PdfPrinter.h"

#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QToolButton>

namespace {

class PrintCommandsTest : public SeriesShownTest {
protected:
    // Printer setup sends the pages to a PDF file, as the print-to-file choice does.
    QString chooseFilePrinter(const QString& name) {
        const QString pdf = dir.filePath(name);
        tableDialogs->onPrinterSetup = [pdf](QPrinter& printer) { ConfigurePdfPrinter(printer, pdf); };
        form->SBPrintSetup->click();
        return pdf;
    }
};

TEST_F(PrintCommandsTest, TheGraphGoesToThePrinterChosenInSetup) {
    const QString pdf = chooseFilePrinter(QStringLiteral("graph.pdf"));
    EXPECT_EQ(tableDialogs->printerSetups, 1);
    form->SBPrintGr->click();
    EXPECT_TRUE(dialogs->errors.isEmpty());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));
}

TEST_F(PrintCommandsTest, TheTableAsksForItsRangeFirst) {
    const QString pdf = chooseFilePrinter(QStringLiteral("table.pdf"));
    answerRangeDialog([](TFormDialog& dialog) { dialog.BBCancel->click(); });
    form->SBPrintTable->click();
    EXPECT_FALSE(QFile::exists(pdf));
    answerRangeDialogWith(1);
    form->SBPrintTable->click();
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(PrintCommandsTest, APrinterThatCannotStartIsReportedForBothPrintouts) {
    chooseFilePrinter(QStringLiteral("missing folder/out.pdf"));
    form->SBPrintGr->click();
    answerRangeDialogWith(1);
    form->SBPrintTable->click();
    EXPECT_EQ(dialogs->errors,
              (QStringList{QStringLiteral("Ошибка печати"), QStringLiteral("Ошибка печати")}));
}

TEST_F(PrintCommandsTest, WithoutAnyPrinterBothPrintoutsSayTheyFailed) {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has a printer; the printouts would go to it";
    form->SBPrintGr->click();
    answerRangeDialogWith(1);
    form->SBPrintTable->click();
    EXPECT_EQ(dialogs->errors,
              (QStringList{QStringLiteral("Ошибка печати"), QStringLiteral("Ошибка печати")}));
    EXPECT_EQ(tableDialogs->printerSetups, 0);
}

} // namespace
