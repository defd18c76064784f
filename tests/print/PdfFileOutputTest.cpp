#include "PrintSeries.h"

#include "GraphPrintout.h"
#include "PdfFileOutput.h"
#include "PdfPrinter.h"
#include "ViewWindow.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
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

class PdfFileOutput : public ::testing::Test {
protected:
    void SetUp() override {
        series_ = SeriesOfIntervals(250, std::vector<int>(30, 600));
        ResetView(view_, series_, QSize(707, 328));
        ConfigurePdfPrinter(printer_, target());
    }
    QString target() const { return folder_.filePath(QStringLiteral("graph.pdf")); }
    WriteOutcome printGraph() {
        return PrintPdfFile(printer_, target(),
                            [this](QPrinter& pdf) { return PrintGraph(pdf, view_, series_); });
    }
    void writeOld() {
        QFile old(target());
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old printout");
    }

    QTemporaryDir folder_;
    SelectedSeries series_;
    ViewWindow view_;
    QPrinter printer_{QPrinter::HighResolution};
};

TEST_F(PdfFileOutput, APrintoutReplacesTheTargetWholeAndTheChosenNameStays) {
    writeOld();
    const WriteOutcome outcome = printGraph();
    ASSERT_TRUE(outcome.ok()) << outcome.error.toStdString();
    const QByteArray pdf = ReadAll(target());
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(IsCompletePdf(pdf));
    EXPECT_EQ(Entries(folder_.path()), QStringList{QStringLiteral("graph.pdf")});
    EXPECT_EQ(printer_.outputFileName(), target());
}

TEST_F(PdfFileOutput, AFileCutShortOrMissingAPieceIsNotWhole) {
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

TEST_F(PdfFileOutput, AFailedPrintoutLeavesTheOldFileAndNoTemporaryFile) {
    writeOld();
    const WriteOutcome outcome = PrintPdfFile(printer_, target(), [](QPrinter&) { return false; });
    EXPECT_EQ(outcome.error, QStringLiteral("Ошибка печати: ") + target());
    EXPECT_EQ(ReadAll(target()), QByteArray("old printout"));
    EXPECT_EQ(Entries(folder_.path()), QStringList{QStringLiteral("graph.pdf")});
}

TEST_F(PdfFileOutput, AnIncompleteFileIsNotPutInPlace) {
    writeOld();
    // A printer that stops half-way through its file, as one on a full disk does without noticing.
    const WriteOutcome outcome = PrintPdfFile(printer_, target(), [this](QPrinter& pdf) {
        if (!PrintGraph(pdf, view_, series_))
            return false;
        QFile file(pdf.outputFileName());
        return file.resize(file.size() / 2);
    });
    EXPECT_EQ(outcome.error,
              QStringLiteral("Не удалось сохранить файл «%1»: файл записан не полностью.").arg(target()));
    EXPECT_EQ(ReadAll(target()), QByteArray("old printout"));
    EXPECT_EQ(Entries(folder_.path()), QStringList{QStringLiteral("graph.pdf")});
}

} // namespace
