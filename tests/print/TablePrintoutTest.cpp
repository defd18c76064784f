#include "tests/print/PrintSeries.h"
#include "tests/support/PdfText.h"

#include "print/PdfPrinter.h"
#include "print/TablePrintout.h"
#include "table/TableColumns.h"

#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const TableHeader kHeader{QStringLiteral("Файл test.rad; Серия N 3"), 117, 250, 1000};

const std::vector<RowTexts> kWorkedRows{
    {"12", QStringLiteral(" 5 янв 08:03:07"), QStringLiteral(" 5 янв 08:45:47"), QStringLiteral("2000±300"),
     "2560"},
    {"13", QStringLiteral(" 5 янв 08:45:47"), QStringLiteral(" 5 янв 09:19:55"), QStringLiteral("2500±375"),
     "2048"}};

std::vector<RowTexts> NumberedRows(int count) {
    std::vector<RowTexts> rows;
    for (int k = 1; k <= count; ++k)
        rows.push_back({QString::number(k), QStringLiteral(" 1 янв 00:00:00"),
                        QStringLiteral(" 1 янв 00:10:00"), QStringLiteral("8533±1280"),
                        QStringLiteral("600")});
    return rows;
}

int RowsOnPage(const std::vector<PrintedLine>& lines, int page) {
    int rows = 0;
    for (const PrintedLine& line : lines)
        rows += line.page == page && line.x == 10 && line.y >= (page == 0 ? 10 : 4) * 150 ? 1 : 0;
    return rows;
}

TEST(TablePrintLayout, WorkedExample) {
    const std::vector<PrintedLine> lines =
        LayoutTablePrintout(kHeader, TableTitles(), kWorkedRows, 150, 6600);
    const std::vector<PrintedLine> expected{
        {0, 60, 300, QStringLiteral("Файл test.rad; Серия N 3")},
        {0, 60, 450, QStringLiteral("Номер прибора 117")},
        {0, 60, 600, QStringLiteral("Чувствительность=2.50*10-5   Бк-1 * м3 * c-1")},
        {0, 60, 750, QStringLiteral("ЭРОА=1000±150 Бк/м3")},
        {0, 10, 1050,
         QStringLiteral("N изм.       Время начала       Время оконч.    Активность,  Экспозиция, c")},
        {0, 10, 1200, QStringLiteral("                                                 (Бк/м3)")},
        {0, 10, 1500,
         QStringLiteral("12          5 янв 08:03:07     5 янв 08:45:47    2000±300         2560")},
        {0, 10, 1650,
         QStringLiteral("13          5 янв 08:45:47     5 янв 09:19:55    2500±375         2048")}};
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].page, expected[i].page) << i;
        EXPECT_EQ(lines[i].x, expected[i].x) << i;
        EXPECT_EQ(lines[i].y, expected[i].y) << i;
        EXPECT_EQ(lines[i].text, expected[i].text) << i;
    }
}

TEST(TablePrintLayout, PagesTakeThirtyFourThenFortyRows) {
    const std::vector<PrintedLine> lines =
        LayoutTablePrintout(kHeader, TableTitles(), NumberedRows(100), 150, 6600);
    EXPECT_EQ(RowsOnPage(lines, 0), 34);
    EXPECT_EQ(RowsOnPage(lines, 1), 40);
    EXPECT_EQ(RowsOnPage(lines, 2), 26);
    EXPECT_EQ(lines.back().page, 2);
    // A further page repeats the titles and units at its top and has no title block.
    std::vector<PrintedLine> second;
    for (const PrintedLine& line : lines)
        if (line.page == 1)
            second.push_back(line);
    ASSERT_GE(second.size(), 3u);
    EXPECT_EQ(second[0].y, 150);
    EXPECT_TRUE(second[0].text.startsWith(QStringLiteral("N изм.")));
    EXPECT_EQ(second[1].y, 300);
    EXPECT_TRUE(second[1].text.endsWith(QStringLiteral("(Бк/м3)")));
    EXPECT_EQ(second[2].y, 600);
    EXPECT_TRUE(second[2].text.startsWith(QStringLiteral("35 ")));
    for (const PrintedLine& line : second)
        EXPECT_EQ(line.x, 10);
}

TEST(TablePrintLayout, OneRowAndNoRows) {
    const auto one = LayoutTablePrintout(kHeader, TableTitles(), {kWorkedRows[0]}, 150, 6600);
    ASSERT_EQ(one.size(), 7u);
    EXPECT_EQ(one[6].y, 1500);
    const auto none = LayoutTablePrintout(kHeader, TableTitles(), {}, 150, 6600);
    ASSERT_EQ(none.size(), 4u); // the title block alone
    EXPECT_EQ(none[3].y, 750);
}

TEST(TablePrintLayout, APageAlwaysTakesARow) {
    // A first page so short that no row top fits below its titles still carries one row.
    const auto lines = LayoutTablePrintout(kHeader, TableTitles(), NumberedRows(3), 150, 1100);
    EXPECT_EQ(RowsOnPage(lines, 0), 1);
    EXPECT_EQ(RowsOnPage(lines, 1), 2);
    EXPECT_EQ(lines.back().page, 1);
}

TEST(TablePrintLayout, LineHeightIsOneAndAHalfCharacterHeights) {
    EXPECT_EQ(TablePrintFontHeight(600), 100);
    EXPECT_EQ(TablePrintLineHeight(600), 150);
    EXPECT_EQ(TablePrintLineHeight(300), 75);
    EXPECT_EQ(TablePrintFontHeight(100), 17);
    EXPECT_EQ(TablePrintLineHeight(100), 26); // 25.5 rounds to the even 26
    EXPECT_EQ(TablePrintFontHeight(132), 22);
    EXPECT_EQ(TablePrintLineHeight(132), 33);
}

class TablePrintPdf : public ::testing::Test {
protected:
    void SetUp() override {
        if (!PdfToolsAvailable())
            GTEST_SKIP() << "pdftotext is not installed";
        path_ = dir_.filePath(QStringLiteral("table.pdf"));
    }
    Outcome print(const std::vector<RowTexts>& rows) {
        QPrinter printer(QPrinter::HighResolution);
        ConfigurePdfPrinter(printer, path_);
        margin_ = printer.pageLayout().paintRectPoints().topLeft();
        return PrintTable(printer, kHeader, TableTitles(), rows);
    }
    static const PdfWord* Find(const std::vector<PdfWord>& words, const QString& text, int page = 0) {
        for (const PdfWord& word : words)
            if (word.page == page && word.text == text)
                return &word;
        return nullptr;
    }
    QTemporaryDir dir_;
    QString path_;
    QPointF margin_;
};

// Printer pixels at 600 dpi to points.
double Points(int pixels) {
    return pixels * 72.0 / 600.0;
}

TEST_F(TablePrintPdf, WorkedExampleLinesStandWhereTheLayoutPutsThem) {
    ASSERT_TRUE(print(kWorkedRows).ok());
    EXPECT_EQ(ReadPdfInfo(path_).pages, 1);
    const std::vector<PdfWord> words = PdfWords(path_);
    const PdfWord* title = Find(words, QStringLiteral("Файл"));
    const PdfWord* device = Find(words, QStringLiteral("Номер"));
    const PdfWord* titles = Find(words, QStringLiteral("изм."));
    const PdfWord* row12 = Find(words, QStringLiteral("12"));
    const PdfWord* row13 = Find(words, QStringLiteral("13"));
    ASSERT_TRUE(title && device && titles && row12 && row13);
    EXPECT_NEAR(title->xMin, margin_.x() + Points(60), 1.0);
    EXPECT_NEAR(row12->xMin, margin_.x() + Points(10), 1.0);
    // Line tops one line height (150 pixels) apart, the rows from 10 lh on.
    EXPECT_NEAR(device->yMin - title->yMin, Points(150), 0.5);
    EXPECT_NEAR(titles->yMin - title->yMin, Points(5 * 150), 0.5);
    EXPECT_NEAR(row12->yMin - title->yMin, Points(8 * 150), 0.5);
    EXPECT_NEAR(row13->yMin - row12->yMin, Points(150), 0.5);
    // "±" is one character on paper.
    EXPECT_TRUE(Find(words, QStringLiteral("2000±300")));
    EXPECT_TRUE(Find(words, QStringLiteral("ЭРОА=1000±150")));
    // Monospaced: the exposure column starts 66 characters after the row's start.
    const PdfWord* exposure = Find(words, QStringLiteral("2560"));
    ASSERT_TRUE(exposure);
    const double charWidth = (row12->xMax - row12->xMin) / 2;
    EXPECT_NEAR(exposure->xMin - row12->xMin, 66 * charWidth, 1.0);
}

TEST_F(TablePrintPdf, ASecondPageRepeatsTheTitlesButNotTheBlock) {
    ASSERT_TRUE(print(NumberedRows(40)).ok());
    EXPECT_EQ(ReadPdfInfo(path_).pages, 2);
    const std::vector<PdfWord> words = PdfWords(path_);
    EXPECT_TRUE(Find(words, QStringLiteral("Файл"), 0));
    EXPECT_FALSE(Find(words, QStringLiteral("Файл"), 1));
    const PdfWord* titles = Find(words, QStringLiteral("Экспозиция,"), 1);
    const PdfWord* units = Find(words, QStringLiteral("(Бк/м3)"), 1);
    ASSERT_TRUE(titles && units);
    EXPECT_NEAR(units->yMin - titles->yMin, Points(150), 0.5);
    EXPECT_TRUE(Find(words, QStringLiteral("40"), 1));
}

TEST_F(TablePrintPdf, TheOrientationIsLeftAsItWas) {
    QPrinter printer(QPrinter::HighResolution);
    ConfigurePdfPrinter(printer, path_);
    printer.setPageOrientation(QPageLayout::Landscape);
    ASSERT_TRUE(PrintTable(printer, kHeader, TableTitles(), kWorkedRows).ok());
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    const PdfInfo info = ReadPdfInfo(path_);
    EXPECT_GT(info.width, info.height);
}

TEST_F(TablePrintPdf, ANarrowPageShrinksTheTableAndKeepsEveryColumn) {
    QPrinter printer(QPrinter::HighResolution);
    ConfigurePdfPrinter(printer, path_);
    printer.setPageSize(QPageSize(QPageSize::A5));
    ASSERT_TRUE(PrintTable(printer, kHeader, TableTitles(), NumberedRows(60)).ok());
    const std::vector<PdfWord> words = PdfWords(path_);
    const double right = printer.pageLayout().paintRectPoints().right();
    for (const QString& title :
         {QStringLiteral("изм."), QStringLiteral("начала"), QStringLiteral("оконч."),
          QStringLiteral("Активность,"), QStringLiteral("Экспозиция,"), QStringLiteral("(Бк/м3)")}) {
        const PdfWord* word = Find(words, title);
        ASSERT_TRUE(word) << title.toStdString();
        EXPECT_LE(word->xMax, right + 0.5) << title.toStdString();
    }
    // The last column of the last row is on the page too, and the smaller lines take more rows a page.
    const PdfWord* exposure = Find(words, QStringLiteral("600"), ReadPdfInfo(path_).pages - 1);
    ASSERT_TRUE(exposure);
    EXPECT_LE(exposure->xMax, right + 0.5);
    const auto rowsOnFirstPage = std::count_if(words.begin(), words.end(), [](const PdfWord& word) {
        return word.page == 0 && word.text == QStringLiteral("600");
    });
    EXPECT_GT(rowsOnFirstPage, 20); // unscaled, A5 takes 20 rows under the title block
}

TEST(TableScale, OnlyLinesTooWideAreShrunk) {
    EXPECT_EQ(TableScaleToFit(4450, 4488), 1.0);
    EXPECT_EQ(TableScaleToFit(4488, 4488), 1.0);
    EXPECT_DOUBLE_EQ(TableScaleToFit(4000, 3000), 0.75);
    EXPECT_EQ(TableScaleToFit(0, 3000), 1.0);
}

} // namespace
