#include "tests/print/ReportSeries.h"

#include "print/PdfPrinter.h"
#include "print/ReportLayout.h"

#include <QPageLayout>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The printable area of the common page set-up (A4 portrait, 10 mm margins) at the PDF resolution.
ReportMetrics A4Metrics() {
    const QRect area = CommonPageLayout().paintRectPixels(PdfResolution);
    return ReportMetricsFor(area.size(), PdfResolution);
}

ReportLayout LayoutOf(const ReportFile& report, MeasurementSpan span) {
    return LayoutReport(
        MakeReportContent({report.file, report.series(), span, DefaultLevels(), QDate(2026, 3, 7)}),
        A4Metrics());
}

std::vector<PlacedReportText> OnPage(const ReportLayout& layout, int page) {
    std::vector<PlacedReportText> texts;
    std::copy_if(layout.texts.begin(), layout.texts.end(), std::back_inserter(texts),
                 [page](const PlacedReportText& text) { return text.page == page; });
    return texts;
}

const PlacedReportText* Find(const std::vector<PlacedReportText>& texts, const QString& text) {
    for (const PlacedReportText& placed : texts)
        if (placed.text == text)
            return &placed;
    return nullptr;
}

TEST(ReportMetrics, TenPointLinesAndAThirdOfThePageForTheGraph) {
    const ReportMetrics metrics = ReportMetricsFor(QSize(4500, 6600), 600);
    EXPECT_EQ(metrics.lineHeight, 117); // 14 points at 600 dpi: 116.67 pixels
    EXPECT_EQ(metrics.headingHeight, 234);
    EXPECT_EQ(metrics.graphHeight, 2200);
    EXPECT_EQ(ReportMetricsFor(QSize(4500, 6600), 300).lineHeight, 58); // 58.33
}

TEST(ReportLayout, AShortSpanTakesOnePageInReadingOrder) {
    const ReportLayout layout = LayoutOf(HandWorkedReportFile(), {1, 6});
    const ReportMetrics metrics = A4Metrics();
    EXPECT_EQ(layout.pageCount, 1);
    const std::vector<PlacedReportText> page = OnPage(layout, 0);
    const PlacedReportText* heading =
        Find(page, QStringLiteral("Отчёт по серии измерений объёмной активности радона"));
    const PlacedReportText* title = Find(page, QStringLiteral("Файл test.rad; Серия N 42"));
    const PlacedReportText* average = Find(page, QStringLiteral("Среднее: 194 Бк/м³ (5,24 пКи/л)"));
    const PlacedReportText* lastLevel = Find(page, QStringLiteral("Время выше 300 Бк/м³: 11,3 %"));
    const PlacedReportText* day = Find(page, QStringLiteral("14.03.2025"));
    ASSERT_TRUE(heading && title && average && lastLevel && day);
    EXPECT_EQ(heading->font, ReportFont::Heading);
    // Heading, title block, graph, statistics, daily table, top to bottom, none overlapping the graph.
    EXPECT_LT(heading->y, title->y);
    EXPECT_LE(title->y + metrics.lineHeight, layout.graph.top());
    EXPECT_EQ(layout.graph.width(), metrics.page.width());
    EXPECT_EQ(layout.graph.height(), metrics.graphHeight);
    EXPECT_GE(average->y, layout.graph.bottom());
    EXPECT_GT(day->y, lastLevel->y);
    // The day's hours and average end at their columns' right sides.
    const PlacedReportText* hours = Find(page, QStringLiteral("11,0"));
    ASSERT_TRUE(hours);
    EXPECT_EQ(hours->anchor, ReportAnchor::Right);
    EXPECT_EQ(hours->y, day->y);
}

TEST(ReportLayout, TheFooterOnEveryPage) {
    const ReportLayout layout = LayoutOf(HandWorkedReportFile(), {1, 6});
    const ReportMetrics metrics = A4Metrics();
    const std::vector<PlacedReportText> page = OnPage(layout, 0);
    const PlacedReportText* number = Find(page, QStringLiteral("Страница 1 из 1"));
    const PlacedReportText* printed = Find(page, QStringLiteral("Дата печати: 07.03.2026"));
    ASSERT_TRUE(number && printed);
    const int footerY = metrics.page.height() - metrics.lineHeight;
    EXPECT_EQ(number->y, footerY);
    EXPECT_EQ(number->anchor, ReportAnchor::Left);
    EXPECT_EQ(printed->y, footerY);
    EXPECT_EQ(printed->anchor, ReportAnchor::Centre);
    EXPECT_EQ(printed->x, metrics.page.width() / 2);
    const auto program = std::find_if(page.begin(), page.end(), [](const PlacedReportText& text) {
        return text.text.startsWith(QStringLiteral("radview "));
    });
    ASSERT_NE(program, page.end());
    EXPECT_EQ(program->y, footerY);
    EXPECT_EQ(program->anchor, ReportAnchor::Right);
    EXPECT_EQ(program->x, metrics.page.width());
}

TEST(ReportLayout, FortyDaysGoOnTwoPagesWithTheTableContinued) {
    const ReportLayout layout = LayoutOf(FortyDaysReportFile(), {1, 320});
    const ReportMetrics metrics = A4Metrics();
    ASSERT_EQ(layout.pageCount, 2);
    const int bodyBottom = metrics.page.height() - 2 * metrics.lineHeight;
    std::vector<QDate> dates;
    for (int p = 0; p < 2; ++p) {
        const std::vector<PlacedReportText> page = OnPage(layout, p);
        ASSERT_TRUE(Find(page, PageNumberText(p + 1, 2))) << p;
        ASSERT_TRUE(Find(page, QStringLiteral("Дата печати: 07.03.2026"))) << p;
        // The column titles head the table on both pages.
        const PlacedReportText* titles = Find(page, QStringLiteral("Дата"));
        ASSERT_TRUE(titles) << p;
        EXPECT_EQ(titles->font, ReportFont::Bold);
        int rows = 0;
        for (const PlacedReportText& text : page) {
            const QDate date = QDate::fromString(text.text, QStringLiteral("dd.MM.yyyy"));
            if (!date.isValid())
                continue;
            EXPECT_GT(text.y, titles->y);
            EXPECT_LE(text.y + metrics.lineHeight, bodyBottom) << text.text.toStdString();
            dates.push_back(date);
            ++rows;
        }
        EXPECT_GT(rows, 5) << p;
    }
    // Every day once, in order, across both pages.
    ASSERT_EQ(dates.size(), 41u);
    for (size_t i = 0; i < dates.size(); ++i)
        EXPECT_EQ(dates[i], QDate(2025, 1, 5).addDays(static_cast<qint64>(i)));
}

TEST(ReportLayout, ManyLevelsFlowOnToTheNextPage) {
    const ReportFile report = HandWorkedReportFile();
    std::vector<int64_t> levels;
    for (int level = 0; level < 60; ++level)
        levels.push_back(level * 10);
    const ReportLayout layout = LayoutReport(
        MakeReportContent({report.file, report.series(), {1, 6}, levels, QDate(2026, 3, 7)}), A4Metrics());
    EXPECT_EQ(layout.pageCount, 2);
    const std::vector<PlacedReportText> second = OnPage(layout, 1);
    EXPECT_TRUE(Find(second, QStringLiteral("Время выше 590 Бк/м³: 3,2 %")));
    EXPECT_TRUE(Find(second, QStringLiteral("14.03.2025")));
}

} // namespace
