#include "tests/print/ReportSeries.h"
#include "tests/support/PdfText.h"

#include "print/GraphPrintout.h"
#include "print/PdfFile.h"
#include "print/ReportGraph.h"
#include "print/ReportPrintout.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The lines of a page as pdftotext lays them out, runs of spaces made one.
QStringList PageLines(const QString& pdf, int page) {
    QStringList lines;
    for (const QString& line : PdfPageText(pdf, page).split(QLatin1Char('\n'))) {
        const QString simple = line.simplified();
        if (!simple.isEmpty())
            lines << simple;
    }
    return lines;
}

class ReportPdf : public ::testing::Test {
protected:
    void SetUp() override {
        if (!PdfToolsAvailable())
            GTEST_SKIP() << "pdftotext is not installed";
    }

    // The report written as the window and radview-dump write it.
    QString write(const ReportFile& report, MeasurementSpan span, std::vector<int64_t> levels) {
        const QString path = dir_.filePath(QStringLiteral("report.pdf"));
        const ReportSource source{report.file, report.series(), span, std::move(levels), QDate(2026, 3, 7)};
        const Outcome written =
            WritePdfFile(path, [&](QPagedPaintDevice& pdf) { return PrintReport(pdf, source); });
        EXPECT_TRUE(written.ok()) << written.message().toStdString();
        return path;
    }

    QTemporaryDir dir_;
};

TEST_F(ReportPdf, TheHandWorkedStatisticsReadBackLineByLine) {
    const QString pdf = write(HandWorkedReportFile(), {1, 6}, {50, 100, 1000});
    const PdfInfo info = ReadPdfInfo(pdf);
    EXPECT_EQ(info.pages, 1);
    EXPECT_NEAR(info.width, 595.3, 1.0); // A4 portrait
    EXPECT_NEAR(info.height, 841.9, 1.0);
    const QStringList lines = PageLines(pdf, 0);
    const QStringList expected{
        QStringLiteral("Отчёт по серии измерений объёмной активности радона"),
        QStringLiteral("Файл test.rad; Серия N 42"),
        QStringLiteral("Номер прибора 7, чувствительность 10.00 * 10-5 Бк-1 * м3 * c-1"),
        QStringLiteral(
            "Начало: 14.03.2025 10:00:00, конец: 14.03.2025 21:01:20, продолжительность: 0 сут 11 ч"),
        QStringLiteral("Измерений: 6 (с 1 по 6), ошибочных меток: 1"),
        QStringLiteral("Среднее: 194 Бк/м³ (5,24 пКи/л)"),
        QStringLiteral("Медиана: 200 Бк/м³"),
        QStringLiteral("Минимум: 80 Бк/м³ (изм. 5, 14.03.2025 16:13)"),
        QStringLiteral("Максимум: 1000 Бк/м³ (изм. 6, 14.03.2025 20:40)"),
        QStringLiteral("ЭРОА: 97 Бк/м³"),
        QStringLiteral("Время выше 50 Бк/м³: 100,0 %"),
        QStringLiteral("Время выше 100 Бк/м³: 59,7 %"),
        QStringLiteral("Время выше 1000 Бк/м³: 0,0 %"),
        QStringLiteral("Средние по суткам"),
        QStringLiteral("Дата Часов Среднее, Бк/м³"),
        QStringLiteral("14.03.2025 11,0 194")};
    for (const QString& line : expected)
        EXPECT_TRUE(lines.contains(line)) << line.toStdString() << "\nin:\n"
                                          << lines.join('\n').toStdString();
    // The statistics in their order, one after the other.
    const qsizetype average = lines.indexOf(expected[5]);
    for (int i = 6; i <= 12; ++i)
        EXPECT_EQ(lines.indexOf(expected[i]), average + (i - 5)) << expected[i].toStdString();

    const QString text = lines.join(QLatin1Char('\n'));
    // The graph, with the year under its time axis, and the footer.
    EXPECT_TRUE(text.contains(QStringLiteral("Активность Бк/м3")));
    EXPECT_TRUE(text.contains(QStringLiteral("время, (час . мин), 2025")) ||
                text.contains(QStringLiteral("время, (день.час), 2025")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Страница 1 из 1")));
    EXPECT_TRUE(text.contains(QStringLiteral("Дата печати: 07.03.2026")));
    EXPECT_TRUE(text.contains(ReportProgramText()));
}

TEST_F(ReportPdf, FortyDaysTakeTwoPagesEachWithItsFooter) {
    const QString pdf = write(FortyDaysReportFile(), {1, 320}, DefaultLevels());
    ASSERT_EQ(ReadPdfInfo(pdf).pages, 2);
    for (int page = 0; page < 2; ++page) {
        const QString text = PageLines(pdf, page).join(QLatin1Char('\n'));
        EXPECT_TRUE(text.contains(PageNumberText(page + 1, 2))) << page;
        EXPECT_TRUE(text.contains(QStringLiteral("Дата печати: 07.03.2026"))) << page;
        EXPECT_TRUE(text.contains(QStringLiteral("Дата Часов Среднее, Бк/м³"))) << page;
    }
    EXPECT_TRUE(PageLines(pdf, 0).contains(QStringLiteral("05.01.2025 18,0 474")));
    EXPECT_TRUE(PageLines(pdf, 1).contains(QStringLiteral("14.02.2025 6,0 474")));
    EXPECT_TRUE(PageLines(pdf, 0).join(' ').contains(QStringLiteral("время, (день мес), 2025")));
}

// The graph of the report is the printout's page shrunk into its frame: drawn into a picture, its frame and
// step line stand where the page geometry puts them, scaled, and nothing lands outside the frame.
TEST(ReportGraph, ThePrintoutsPageShrunkIntoTheFrame) {
    const ReportFile report = HandWorkedReportFile();
    const SelectedSeries& series = report.series();
    const ViewLayout view = ReportGraphView(series, {1, 6});
    ASSERT_EQ(view.viewMax, 1000);
    QImage image(1000, 800, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRect frame(40, 200, 900, 400);
    {
        QPainter painter(&image);
        DrawReportGraph(painter, frame, series, view, QStringLiteral("время"), 150);
    }
    const QSize page = ReportGraphPageSize(frame.size());
    EXPECT_EQ(page, QSize(1500, 667));
    const GraphPageGeometry g = ComputeGraphPageGeometry(page.width(), page.height(), view, series);
    const auto device = [&](Extended x, Extended y) {
        return QPoint(frame.left() + static_cast<int>(Round(x * ReportGraphScale)),
                      frame.top() + static_cast<int>(Round(y * ReportGraphScale)));
    };
    const auto inked = [&](QPoint at) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if ((image.pixel(at.x() + dx, at.y() + dy) & 0xFFFFFF) != 0xFFFFFF)
                    return true;
        return false;
    };
    const int bottom = g.height - g.bottomMargin;
    // The frame's left side, halfway down.
    EXPECT_TRUE(inked(device(g.leftMargin + 1, (g.topMargin + bottom) / 2)));
    // Measurement 6 (1000 Bq/m³, the view's maximum) has its tread at 2 × mT, from 38400 s to 39680 s.
    const Extended middle = g.leftMargin + 39040.0L * g.timeScale;
    EXPECT_TRUE(inked(device(middle, 2 * g.topMargin)));
    EXPECT_FALSE(inked(device(middle, 2 * g.topMargin - 12)));
    // Measurement 5 (80 Bq/m³) lies low, from 22400 s to 38400 s.
    const Extended fifth = g.leftMargin + 30400.0L * g.timeScale;
    EXPECT_TRUE(inked(device(fifth, bottom - 80.0L * g.activityScale)));
    int inkedOutside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!frame.contains(x, y) && (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                ++inkedOutside;
        }
    }
    EXPECT_EQ(inkedOutside, 0);
}

// A level on the report's graph: dashes along the row the page truncates it to, where the step line leaves
// the row empty (measurements 1 to 5 all lie below 500 Bq/m³).
TEST(ReportGraph, ALevelIsDashedAtItsRow) {
    const ReportFile report = HandWorkedReportFile();
    const SelectedSeries& series = report.series();
    const ViewLayout view = ReportGraphView(series, {1, 6});
    const QRect frame(40, 200, 900, 400);
    ReadingMarks marks;
    marks.levels = {500};
    const auto draw = [&](const ReadingMarks* drawn) {
        QImage image(1000, 800, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        DrawReportGraph(painter, frame, series, view, QStringLiteral("время"), 150, ReportGraphLook{drawn});
        return image;
    };
    const QImage marked = draw(&marks), plain = draw(nullptr);
    const QSize page = ReportGraphPageSize(frame.size());
    const GraphPageGeometry g = ComputeGraphPageGeometry(page.width(), page.height(), view, series);
    const int row = g.height - g.bottomMargin - static_cast<int>(500.0L * g.activityScale);
    const int y = frame.top() + static_cast<int>(Round(row * ReportGraphScale));
    const int from = frame.left() + static_cast<int>(Round((g.leftMargin + 20) * ReportGraphScale));
    const int to =
        frame.left() + static_cast<int>(Round((g.leftMargin + 30000.0L * g.timeScale) * ReportGraphScale));
    const auto inkedColumns = [&](const QImage& image) {
        int columns = 0;
        for (int x = from; x <= to; ++x)
            for (int dy = -1; dy <= 1; ++dy)
                if ((image.pixel(x, y + dy) & 0xFFFFFF) != 0xFFFFFF) {
                    ++columns;
                    break;
                }
        return columns;
    };
    // Dashes of 6 on and 4 off: more than half the columns, never all of them.
    EXPECT_GT(inkedColumns(marked), (to - from) / 2);
    EXPECT_LT(inkedColumns(marked), to - from);
    EXPECT_EQ(inkedColumns(plain), 0);
}

} // namespace
