#include "app/commands/PrintTarget.h"

#include <QPrinter>

#include <gtest/gtest.h>

namespace {

TEST(PrintTarget, APrinterWithAFileIsAFileAndAPdfPrinterWithoutOneIsNone) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString());
    EXPECT_EQ(TargetOf(printer), PrintTarget::None);
    printer.setOutputFileName(QStringLiteral("/tmp/out.pdf"));
    EXPECT_EQ(TargetOf(printer), PrintTarget::File);
}

TEST(ProposedPrintFileName, TheInstrumentFileWithoutItsExtensionAndTheEnding) {
    EXPECT_EQ(ProposedPrintFileName(QStringLiteral("/data/run.7/test.rad"), QStringLiteral("-график.pdf")),
              QStringLiteral("/data/run.7/test-график.pdf"));
    EXPECT_EQ(ProposedPrintFileName(QStringLiteral("/data/run.7/test"), QStringLiteral("-таблица.pdf")),
              QStringLiteral("/data/run.7/test-таблица.pdf"));
    EXPECT_EQ(ProposedPrintFileName(QStringLiteral("/data/a.b.ser"), QStringLiteral("-график.pdf")),
              QStringLiteral("/data/a.b-график.pdf"));
}

} // namespace
