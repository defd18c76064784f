#include "print/PrinterSettings.h"

#include <QPrinter>

#include <gtest/gtest.h>

namespace {

TEST(PrinterSettings, AFreshPrinterTakesEveryChoiceOfSetup) {
    QPrinter chosen(QPrinter::HighResolution);
    chosen.setOutputFormat(QPrinter::PdfFormat);
    chosen.setOutputFileName(QStringLiteral("/tmp/chosen.pdf"));
    chosen.setResolution(300);
    chosen.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                                     QMarginsF(15, 12, 9, 6), QPageLayout::Millimeter));
    chosen.setCopyCount(3);
    chosen.setCollateCopies(false);
    chosen.setColorMode(QPrinter::GrayScale);
    chosen.setPageOrder(QPrinter::LastPageFirst);
    chosen.setDocName(QStringLiteral("Таблица измерений"));
    chosen.setCreator(QStringLiteral("radview"));

    QPrinter fresh(QPrinter::HighResolution);
    CopyPrinterSettings(chosen, fresh);
    EXPECT_EQ(fresh.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(fresh.outputFileName(), QStringLiteral("/tmp/chosen.pdf"));
    EXPECT_EQ(fresh.resolution(), 300);
    EXPECT_TRUE(fresh.pageLayout().isEquivalentTo(chosen.pageLayout()))
        << fresh.pageLayout().pageSize().name().toStdString();
    EXPECT_EQ(fresh.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(fresh.copyCount(), 3);
    EXPECT_FALSE(fresh.collateCopies());
    EXPECT_EQ(fresh.colorMode(), QPrinter::GrayScale);
    EXPECT_EQ(fresh.pageOrder(), QPrinter::LastPageFirst);
    EXPECT_EQ(fresh.docName(), QStringLiteral("Таблица измерений"));
    EXPECT_EQ(fresh.creator(), QStringLiteral("radview"));
    EXPECT_EQ(fresh.printerState(), QPrinter::Idle);
}

} // namespace
