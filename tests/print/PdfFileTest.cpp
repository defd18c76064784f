#include "tests/print/PrintSeries.h"

#include "graph/ViewLayout.h"
#include "print/GraphPrintout.h"
#include "print/PdfFile.h"
#include "print/PdfPrinter.h"
#include "print/PrintJob.h"
#include "tests/support/PdfCheck.h"

#include <QDir>
#include <QFile>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

class PdfFile : public ::testing::Test {
protected:
    void SetUp() override {
        series_ = SeriesOfIntervals(250, std::vector<int>(30, 600));
        ResetView(view_, series_, QSize(707, 328));
    }
    QString target() const { return folder_.filePath(QStringLiteral("graph.pdf")); }
    Outcome printGraph() {
        return WritePdfFile(target(),
                            [this](QPagedPaintDevice& pdf) { return PrintGraph(pdf, view_, series_); });
    }
    void writeOld() {
        QFile old(target());
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old printout");
    }

    QTemporaryDir folder_;
    SelectedSeries series_;
    ViewLayout view_;
};

TEST_F(PdfFile, APrintoutReplacesTheTargetWholeAndTheChosenNameStays) {
    writeOld();
    const Outcome outcome = printGraph();
    ASSERT_TRUE(outcome.ok()) << outcome.message().toStdString();
    const QByteArray pdf = ReadAll(target());
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(IsCompletePdf(pdf));
    EXPECT_EQ(Entries(folder_.path()), QStringList{QStringLiteral("graph.pdf")});
}

TEST_F(PdfFile, AFileCutShortOrMissingAPieceIsNotWhole) {
    ASSERT_TRUE(printGraph().ok());
    const QByteArray pdf = ReadAll(target());
    ASSERT_TRUE(IsCompletePdf(pdf));
    // Cut anywhere, as a full disk cuts it.
    for (qsizetype length = 0; length < pdf.size(); length += 97)
        EXPECT_FALSE(IsCompletePdf(pdf.left(length))) << length;
    for (qsizetype missing = 1; missing <= 16; ++missing)
        EXPECT_FALSE(IsCompletePdf(pdf.left(pdf.size() - missing))) << missing;
    // A piece lost in the middle, or one too many, moves every object after it.
    for (qsizetype at = 64; at < pdf.size() / 2; at += 1024) {
        EXPECT_FALSE(IsCompletePdf(pdf.left(at) + pdf.mid(at + 512))) << at;
        EXPECT_FALSE(IsCompletePdf(pdf.left(at) + QByteArray(7, ' ') + pdf.mid(at))) << at;
    }
    EXPECT_FALSE(IsCompletePdf(QByteArray("%PDF-1.4\nstartxref\n0\n%%EOF\n")));
}

TEST_F(PdfFile, AFailedPrintoutLeavesTheOldFileAndNoTemporaryFile) {
    writeOld();
    const Outcome outcome = WritePdfFile(target(), [](QPagedPaintDevice&) { return PagesNotMade(); });
    EXPECT_EQ(outcome.message(), QStringLiteral("Ошибка печати: ") + target());
    EXPECT_EQ(ReadAll(target()), QByteArray("old printout"));
    EXPECT_EQ(Entries(folder_.path()), QStringList{QStringLiteral("graph.pdf")});
}

TEST_F(PdfFile, ThePagesHaveTheCommonSetUpAtTheCommonResolution) {
    const PdfPages pages = MakePdf(CommonPageLayout(), QString(), [](QPagedPaintDevice& device) {
        EXPECT_EQ(device.logicalDpiX(), PdfResolution);
        QPainter painter(&device);
        painter.drawLine(0, 0, 100, 100);
        return painter.end() ? Outcome() : PagesNotMade();
    });
    ASSERT_TRUE(pages.made.ok());
    EXPECT_TRUE(IsCompletePdf(pages.bytes));
    EXPECT_EQ(pages.layout.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(pages.layout.orientation(), QPageLayout::Portrait);
    EXPECT_EQ(pages.layout.margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
}

} // namespace
