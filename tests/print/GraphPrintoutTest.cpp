#include "tests/print/PrintSeries.h"
#include "tests/support/PdfText.h"

#include "print/GraphPrintout.h"
#include "print/PdfPrinter.h"

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

PaintedPage Paint(const SelectedSeries& series, const ViewLayout& view, QSize size = QSize(1400, 990)) {
    PaintedPage page{QImage(size, QImage::Format_RGB32), {}};
    page.image.fill(Qt::white);
    page.geometry = ComputeGraphPageGeometry(size.width(), size.height(), view, series);
    Canvas canvas(page.image);
    PaintGraphPage(canvas, view, series, 150);
    return page;
}

ViewLayout WholeView(const SelectedSeries& series) {
    ViewLayout view;
    ResetView(view, series, QSize(707, 328));
    return view;
}

TEST(GraphPageGeometry, MarginsAreFractionsOfThePage) {
    const SelectedSeries series = SeriesOfIntervals(250, {600, 1200, 600});
    ViewLayout view = WholeView(series);
    const GraphPageGeometry g = ComputeGraphPageGeometry(6814, 4760, view, series);
    EXPECT_EQ(g.rightMargin, 272); // Trunc(0.04 × 6814)
    EXPECT_EQ(g.topMargin, 238);   // Trunc(0.05 × 4760)
    EXPECT_EQ(g.leftMargin, 816);
    EXPECT_EQ(g.bottomMargin, 714);
    EXPECT_EQ(g.tickLength, 81); // Trunc(0.3 × 272)
    EXPECT_FLOAT_EQ(g.timeScale, static_cast<float>((6814.0L - 816 - 272) / 2400));
    EXPECT_FLOAT_EQ(g.activityScale, static_cast<float>((4760.0L - 714 - 476) / view.viewMax));
}

TEST(GraphPageGeometry, AViewWithoutDurationStillHasAScale) {
    SelectedSeries series = SeriesOfIntervals(250, {600});
    series.elapsedTime[1] = 0;
    const GraphPageGeometry g = ComputeGraphPageGeometry(1000, 700, WholeView(series), series);
    EXPECT_GT(g.timeScale, 0);
    EXPECT_LT(g.timeScale, 1e6);
}

TEST(GraphPrintTitle, WholeSeriesOrMeasurementRange) {
    const SelectedSeries series = SeriesOfIntervals(250, std::vector<int>(20, 600));
    ViewLayout view = WholeView(series);
    EXPECT_EQ(GraphPrintTitle(view, series), QStringLiteral("Файл test.rad; Серия N 3"));
    ShowRange(view, series, QSize(707, 328), 5, 17);
    EXPECT_EQ(GraphPrintTitle(view, series), QStringLiteral("Файл test.rad; Серия N 3. Измерения с 5 по 17"));
}

TEST(GraphPrintPage, FrameAndStepLineWhereTheGeometryPutsThem) {
    // Three measurements: 8533, 4267 and 8533 Bq/m³.
    const SelectedSeries series = SeriesOfIntervals(250, {600, 1200, 600});
    const ViewLayout view = WholeView(series);
    const PaintedPage page = Paint(series, view);
    const GraphPageGeometry& g = page.geometry;
    const int bottom = g.height - g.bottomMargin;
    // The frame's left edge, away from the scale labels, and the inside right of it.
    EXPECT_EQ(At(page.image, g.leftMargin, g.topMargin + 3), kBlack);
    EXPECT_EQ(At(page.image, g.width - g.rightMargin - 1, (g.topMargin + bottom) / 2), kBlack);
    // The tread of measurement 2 at its level, halfway along it.
    const int x1 = g.leftMargin + static_cast<int>(Round(600.0L * g.timeScale));
    const int x2 = g.leftMargin + static_cast<int>(Round(1800.0L * g.timeScale));
    const int level2 = bottom - static_cast<int>(Round(4267.0L * g.activityScale));
    EXPECT_EQ(At(page.image, (x1 + x2) / 2, level2), kBlack);
    EXPECT_EQ(At(page.image, (x1 + x2) / 2, level2 - 8), kWhite);
    // The riser at the start of measurement 2 joins both levels.
    const int level1 = bottom - static_cast<int>(Round(8533.0L * g.activityScale));
    EXPECT_EQ(At(page.image, x1, (level1 + level2) / 2), kBlack);
    // The closing vertical at the series' end comes down to the bottom line.
    const int x3 = g.leftMargin + static_cast<int>(Round(2400.0L * g.timeScale));
    EXPECT_EQ(At(page.image, x3, (level1 + bottom) / 2), kBlack);
}

TEST(GraphPrintPage, NegativeActivityLiesOnTheBottomLineAndOffScaleReachesThePageTop) {
    // A clock set back gives a negative measurement 2; measurement 4 is shown beyond the zoomed maximum.
    SelectedSeries series = SeriesOfIntervals(250, {3600, -600, 3600, 600});
    ViewLayout view = WholeView(series);
    ASSERT_LT(series.activity[2], 0);
    view.viewMax = series.activity[1] * 2; // measurement 4 (8533) stays above it
    ASSERT_GT(series.activity[4], view.viewMax);
    const PaintedPage page = Paint(series, view);
    const GraphPageGeometry& g = page.geometry;
    const int bottom = g.height - g.bottomMargin;
    const int start2 =
        g.leftMargin + static_cast<int>(Round(static_cast<Extended>(series.elapsedTime[1]) * g.timeScale));
    const int end2 =
        g.leftMargin + static_cast<int>(Round(static_cast<Extended>(series.elapsedTime[2]) * g.timeScale));
    // Measurement 2 runs backwards in time; its tread lies on the bottom line between its ends.
    EXPECT_EQ(At(page.image, (start2 + end2) / 2, bottom), kBlack);
    const int start4 =
        g.leftMargin + static_cast<int>(Round(static_cast<Extended>(series.elapsedTime[3]) * g.timeScale));
    const int end4 =
        g.leftMargin + static_cast<int>(Round(static_cast<Extended>(series.elapsedTime[4]) * g.timeScale));
    EXPECT_EQ(At(page.image, (start4 + end4) / 2, 0), kBlack);
}

TEST(GraphPrintPage, GridLinesOnlyWithTheGrid) {
    const SelectedSeries series = SeriesOfIntervals(250, {600, 1200, 600});
    ViewLayout view = WholeView(series);
    ASSERT_LT(view.activityStep, view.viewMax);
    const auto dottedPixels = [&](bool grid) {
        view.gridOn = grid;
        const PaintedPage page = Paint(series, view);
        const GraphPageGeometry& g = page.geometry;
        const int y = g.height - g.bottomMargin -
                      static_cast<int>(view.activityStep * static_cast<Extended>(g.activityScale));
        int black = 0;
        // Along the part of the line that no tread covers: right of the series' end… the plot is full
        // width, so look at the first fifth, which lies below the first tread.
        for (int x = g.leftMargin + 10; x < g.leftMargin + (g.width - g.rightMargin - g.leftMargin) / 5; ++x)
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
    ASSERT_TRUE(PrintGraph(printer_, WholeView(series), series).ok());
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
    ViewLayout view = WholeView(series);
    ShowRange(view, series, QSize(707, 328), 5, 17);
    ASSERT_TRUE(PrintGraph(printer_, view, series).ok());
    const QString text = PdfPageText(path_, 0);
    EXPECT_TRUE(text.contains(QStringLiteral("Файл test.rad; Серия N 3. Измерения с 5 по 17")))
        << text.toStdString();
}

// Where the words of the printout stand on paper, against the page geometry. Positions are compared in
// points, relative to the printable area, with a point's play for the glyphs' side bearings.
class GraphPrintPlacement : public GraphPrintPdf {
protected:
    struct Placed {
        GraphPageGeometry g;
        QPointF origin; // the printable area's top-left corner on the sheet, in points
        std::vector<PdfWord> words;
    };
    Placed print(const ViewLayout& view, const SelectedSeries& series) {
        // Landscape chosen beforehand, as printer setup may leave it: the printout ends in portrait anyway.
        printer_.setPageOrientation(QPageLayout::Landscape);
        Placed placed;
        placed.g = ComputeGraphPageGeometry(printer_.width(), printer_.height(), view, series);
        placed.origin = printer_.pageLayout().paintRectPoints().topLeft();
        EXPECT_TRUE(PrintGraph(printer_, view, series).ok());
        EXPECT_EQ(printer_.pageLayout().orientation(), QPageLayout::Portrait);
        placed.words = PdfWords(path_);
        return placed;
    }
    static const PdfWord* Find(const std::vector<PdfWord>& words, const QString& text) {
        for (const PdfWord& word : words)
            if (word.text == text)
                return &word;
        return nullptr;
    }
    static double Points(int pixels) { return pixels * 72.0 / 600.0; }
};

TEST_F(GraphPrintPlacement, WholeSeriesTitleIsCentredAndTheZoomedOneStartsATitleWidthLeftOfTheMiddle) {
    const SelectedSeries series = SeriesOfIntervals(250, std::vector<int>(20, 600));
    ViewLayout view = WholeView(series);
    const Placed whole = print(view, series);
    const PdfWord* first = Find(whole.words, QStringLiteral("Файл"));
    const PdfWord* last = Find(whole.words, QStringLiteral("3"));
    ASSERT_TRUE(first && last);
    const double middle = whole.origin.x() + Points(whole.g.width / 2);
    const double width = last->xMax - first->xMin;
    EXPECT_NEAR((first->xMin + last->xMax) / 2, middle, 1.0);

    ShowRange(view, series, QSize(707, 328), 5, 17);
    const Placed zoomed = print(view, series);
    const PdfWord* start = Find(zoomed.words, QStringLiteral("Файл"));
    const PdfWord* range = Find(zoomed.words, QStringLiteral("Измерения"));
    ASSERT_TRUE(start && range);
    EXPECT_NEAR(start->xMin, middle - width, 1.5);
    EXPECT_GT(range->xMin, middle);
}

TEST_F(GraphPrintPlacement, CaptionsAndScaleLabelsStandWhereTheGeometryPutsThem) {
    const SelectedSeries series = SeriesOfIntervals(250, {600, 1200, 600}); // 8533, 4267, 8533 Bq/m³
    const ViewLayout view = WholeView(series);
    ASSERT_EQ(view.activityStep, 1000);
    const Placed page = print(view, series);
    const GraphPageGeometry& g = page.g;
    const QPointF& o = page.origin;

    // The time caption begins at the middle of the page, one top margin above the bottom edge; the title
    // line's top is Round(0.3 × mT) from the top, in the same font.
    const PdfWord* time = Find(page.words, QStringLiteral("время,"));
    const PdfWord* title = Find(page.words, QStringLiteral("Файл"));
    ASSERT_TRUE(time && title);
    EXPECT_NEAR(time->xMin, o.x() + Points(g.width / 2), 1.0);
    const int titleTop = static_cast<int>(Round(0.3L * g.topMargin));
    EXPECT_NEAR(time->yMin - title->yMin, Points(g.height - g.topMargin - titleTop), 0.5);

    // The rotated caption runs upwards from (mR, PH div 2), the tops of its letters towards the left edge.
    const PdfWord* activity = Find(page.words, QStringLiteral("Активность"));
    const PdfWord* units = Find(page.words, QStringLiteral("Бк/м3"));
    ASSERT_TRUE(activity && units);
    EXPECT_NEAR(activity->yMax, o.y() + Points(g.height / 2), 1.0);
    EXPECT_NEAR(activity->xMin, o.x() + Points(g.rightMargin), 1.0);
    EXPECT_LT(units->yMax, activity->yMin);

    // Scale labels end two pixels before the frame and hang below their truncated levels: consecutive
    // labels stand Trunc(k × sy) apart, measured top to top.
    std::vector<const PdfWord*> labels;
    for (int k = 1000; k <= 8000; k += 1000) {
        const PdfWord* label = Find(page.words, QString::number(k));
        ASSERT_TRUE(label) << k;
        EXPECT_NEAR(label->xMax, o.x() + Points(g.leftMargin - 2), 1.0) << k;
        labels.push_back(label);
    }
    const auto level = [&](int k) { return static_cast<int>(k * static_cast<Extended>(g.activityScale)); };
    for (size_t i = 1; i < labels.size(); ++i) {
        const int k = 1000 * static_cast<int>(i + 1);
        EXPECT_NEAR(labels.front()->yMin - labels[i]->yMin, Points(level(k) - level(1000)), 0.05) << k;
    }
    EXPECT_EQ(Find(page.words, QStringLiteral("0")), nullptr) << "0 is not labelled";
}

TEST_F(GraphPrintPdf, NothingIsPrintedWithoutASeries) {
    const SelectedSeries none;
    ViewLayout view;
    EXPECT_TRUE(PrintGraph(printer_, view, none).ok());
    EXPECT_FALSE(QFile::exists(path_));
}

} // namespace
