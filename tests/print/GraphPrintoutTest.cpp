#include "PdfText.h"
#include "PrintSeries.h"

#include "GraphPrintout.h"
#include "PdfPrinter.h"

#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr QRgb kBlack = 0x000000;
constexpr QRgb kWhite = 0xFFFFFF;

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// A page-sized picture of the printout, through the same drawing code as the printer.
struct PaintedPage {
    QImage image;
    GraphPageGeometry geometry;
};

PaintedPage Paint(const SelectedSeries& series, const ViewWindow& view, QSize size = QSize(1400, 990)) {
    PaintedPage page{QImage(size, QImage::Format_RGB32), {}};
    page.image.fill(Qt::white);
    page.geometry = ComputeGraphPageGeometry(size.width(), size.height(), view, series);
    Canvas canvas(page.image);
    PaintGraphPage(canvas, page.geometry, view, series, 150);
    return page;
}

ViewWindow WholeView(const SelectedSeries& series) {
    ViewWindow view;
    ResetView(view, series, QSize(707, 328));
    return view;
}

TEST(GraphPageGeometry, MarginsAreFractionsOfThePage) {
    const SelectedSeries series = SeriesOfIntervals(250, {600, 1200, 600});
    ViewWindow view = WholeView(series);
    const GraphPageGeometry g = ComputeGraphPageGeometry(6814, 4760, view, series);
    EXPECT_EQ(g.mR, 272); // Trunc(0.04 × 6814)
    EXPECT_EQ(g.mT, 238); // Trunc(0.05 × 4760)
    EXPECT_EQ(g.mL, 816);
    EXPECT_EQ(g.mB, 714);
    EXPECT_EQ(g.tick, 81); // Trunc(0.3 × 272)
    EXPECT_FLOAT_EQ(g.sx, static_cast<float>((6814.0L - 816 - 272) / 2400));
    EXPECT_FLOAT_EQ(g.sy, static_cast<float>((4760.0L - 714 - 476) / view.ViewMax));
}

TEST(GraphPageGeometry, AViewWithoutDurationStillHasAScale) {
    SelectedSeries series = SeriesOfIntervals(250, {600});
    series.ElapsedTime[1] = 0;
    const GraphPageGeometry g = ComputeGraphPageGeometry(1000, 700, WholeView(series), series);
    EXPECT_GT(g.sx, 0);
    EXPECT_LT(g.sx, 1e6);
}

TEST(GraphPrintTitle, WholeSeriesOrMeasurementRange) {
    const SelectedSeries series = SeriesOfIntervals(250, std::vector<int>(20, 600));
    ViewWindow view = WholeView(series);
    EXPECT_EQ(GraphPrintTitle(view, series), QStringLiteral("Файл test.rad; Серия N 3"));
    ShowRange(view, series, QSize(707, 328), 5, 17);
    EXPECT_EQ(GraphPrintTitle(view, series), QStringLiteral("Файл test.rad; Серия N 3. Измерения с 5 по 17"));
}

TEST(GraphPrintPage, FrameAndStepLineWhereTheGeometryPutsThem) {
    // Three measurements: 8533, 4267 and 8533 Bq/m³.
    const SelectedSeries series = SeriesOfIntervals(250, {600, 1200, 600});
    const ViewWindow view = WholeView(series);
    const PaintedPage page = Paint(series, view);
    const GraphPageGeometry& g = page.geometry;
    const int bottom = g.PH - g.mB;
    // The frame's left edge, away from the scale labels, and the inside right of it.
    EXPECT_EQ(At(page.image, g.mL, g.mT + 3), kBlack);
    EXPECT_EQ(At(page.image, g.PW - g.mR - 1, (g.mT + bottom) / 2), kBlack);
    // The tread of measurement 2 at its level, halfway along it.
    const int x1 = g.mL + static_cast<int>(Round(600.0L * g.sx));
    const int x2 = g.mL + static_cast<int>(Round(1800.0L * g.sx));
    const int level2 = bottom - static_cast<int>(Round(4267.0L * g.sy));
    EXPECT_EQ(At(page.image, (x1 + x2) / 2, level2), kBlack);
    EXPECT_EQ(At(page.image, (x1 + x2) / 2, level2 - 8), kWhite);
    // The riser at the start of measurement 2 joins both levels.
    const int level1 = bottom - static_cast<int>(Round(8533.0L * g.sy));
    EXPECT_EQ(At(page.image, x1, (level1 + level2) / 2), kBlack);
    // The closing vertical at the series' end comes down to the bottom line.
    const int x3 = g.mL + static_cast<int>(Round(2400.0L * g.sx));
    EXPECT_EQ(At(page.image, x3, (level1 + bottom) / 2), kBlack);
}

TEST(GraphPrintPage, NegativeActivityLiesOnTheBottomLineAndOffScaleReachesThePageTop) {
    // A clock set back gives a negative measurement 2; measurement 4 is shown beyond the zoomed maximum.
    SelectedSeries series = SeriesOfIntervals(250, {3600, -600, 3600, 600});
    ViewWindow view = WholeView(series);
    ASSERT_LT(series.Activity[2], 0);
    view.ViewMax = series.Activity[1] * 2; // measurement 4 (8533) stays above it
    ASSERT_GT(series.Activity[4], view.ViewMax);
    const PaintedPage page = Paint(series, view);
    const GraphPageGeometry& g = page.geometry;
    const int bottom = g.PH - g.mB;
    const int start2 = g.mL + static_cast<int>(Round(static_cast<Extended>(series.ElapsedTime[1]) * g.sx));
    const int end2 = g.mL + static_cast<int>(Round(static_cast<Extended>(series.ElapsedTime[2]) * g.sx));
    // Measurement 2 runs backwards in time; its tread lies on the bottom line between its ends.
    EXPECT_EQ(At(page.image, (start2 + end2) / 2, bottom), kBlack);
    const int start4 = g.mL + static_cast<int>(Round(static_cast<Extended>(series.ElapsedTime[3]) * g.sx));
    const int end4 = g.mL + static_cast<int>(Round(static_cast<Extended>(series.ElapsedTime[4]) * g.sx));
    EXPECT_EQ(At(page.image, (start4 + end4) / 2, 0), kBlack);
}

TEST(GraphPrintPage, GridLinesOnlyWithTheGrid) {
    const SelectedSeries series = SeriesOfIntervals(250, {600, 1200, 600});
    ViewWindow view = WholeView(series);
    ASSERT_LT(view.ActivityStep, view.ViewMax);
    const auto dottedPixels = [&](bool grid) {
        view.GridOn = grid;
        const PaintedPage page = Paint(series, view);
        const GraphPageGeometry& g = page.geometry;
        const int y = g.PH - g.mB - static_cast<int>(view.ActivityStep * static_cast<Extended>(g.sy));
        int black = 0;
        // Along the part of the line that no tread covers: right of the series' end… the plot is full
        // width, so look at the first fifth, which lies below the first tread.
        for (int x = g.mL + 10; x < g.mL + (g.PW - g.mR - g.mL) / 5; ++x)
            black += At(page.image, x, y) == kBlack ? 1 : 0;
        return black;
    };
    EXPECT_EQ(dottedPixels(false), 0);
    const int withGrid = dottedPixels(true);
    EXPECT_GT(withGrid, 10);
    EXPECT_LT(withGrid, (1400 - 0) / 5); // dotted, not solid
}

class GraphPrintPdf : public ::testing::Test {
protected:
    void SetUp() override {
        if (!PdfToolsAvailable())
            GTEST_SKIP() << "pdftotext is not installed";
        path_ = dir_.filePath(QStringLiteral("graph.pdf"));
        ConfigurePdfPrinter(printer_, path_);
    }
    QTemporaryDir dir_;
    QString path_;
    QPrinter printer_{QPrinter::HighResolution};
};

TEST_F(GraphPrintPdf, OneLandscapePageThenPortrait) {
    const SelectedSeries series = SeriesOfIntervals(250, std::vector<int>(20, 600));
    ASSERT_TRUE(PrintGraph(printer_, WholeView(series), series));
    const PdfInfo info = ReadPdfInfo(path_);
    EXPECT_EQ(info.pages, 1);
    EXPECT_GT(info.width, info.height);
    EXPECT_EQ(printer_.pageLayout().orientation(), QPageLayout::Portrait);
    const QString text = PdfPageText(path_, 0);
    EXPECT_TRUE(text.contains(QStringLiteral("Файл test.rad; Серия N 3"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Измерения с")));
}

TEST_F(GraphPrintPdf, AZoomedViewNamesItsRange) {
    const SelectedSeries series = SeriesOfIntervals(250, std::vector<int>(20, 600));
    ViewWindow view = WholeView(series);
    ShowRange(view, series, QSize(707, 328), 5, 17);
    ASSERT_TRUE(PrintGraph(printer_, view, series));
    const QString text = PdfPageText(path_, 0);
    EXPECT_TRUE(text.contains(QStringLiteral("Файл test.rad; Серия N 3. Измерения с 5 по 17")))
        << text.toStdString();
}

TEST_F(GraphPrintPdf, NothingIsPrintedWithoutASeries) {
    const SelectedSeries none;
    ViewWindow view;
    EXPECT_TRUE(PrintGraph(printer_, view, none));
    EXPECT_FALSE(QFile::exists(path_));
}

} // namespace
