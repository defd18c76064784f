#include "graph/GraphPaint.h"
#include "store/Extended.h"
#include "tests/support/PixelProbe.h"
#include "tests/support/SeriesFactory.h"

#include <gtest/gtest.h>

namespace {

// The screen layout at the design size.
constexpr int W = 707;
constexpr int H = 328;
constexpr int L = 65;
constexpr int R = 6;
constexpr int T = 5;
constexpr int B = 51;
constexpr int K = 5;
constexpr int AxisY = H - B;

const ColorScheme Colors;
const QColor Untouched(255, 0, 255);

class GraphPaintTest : public testing::Test {
protected:
    const QImage& Paint(const SelectedSeries& series, const ViewLayout& view, bool noSeriesChosen = false,
                        const ColorScheme& colors = Colors) {
        image = QImage(size, QImage::Format_RGB32);
        image.fill(Untouched);
        Canvas canvas(image);
        PaintGraph(canvas, GraphScene{series, view, colors, noSeriesChosen}, trace);
        return image;
    }
    ViewLayout Whole(const SelectedSeries& series) {
        ViewLayout view;
        ResetView(view, series, size);
        return view;
    }
    // Where the algorithm puts activity v: Round on the exact product with the single-precision scale.
    static int YOf(int64_t v, float scale) {
        return AxisY - static_cast<int>(Round(static_cast<Extended>(v) * scale));
    }

    QSize size{W, H};
    QImage image;
    PointerTrace trace;
};

TEST_F(GraphPaintTest, NoSeriesChosenIsSilverWhateverTheColours) {
    const SelectedSeries series = SeriesFromExposures(Utc(2024, 5, 1, 8), {600});
    ColorScheme dark;
    dark.background = Qt::black;
    const QImage& out = Paint(series, Whole(series), true, dark);
    EXPECT_TRUE(AllAre(out, out.rect(), QColor(192, 192, 192)));
    EXPECT_FALSE(trace.drawn);
}

TEST_F(GraphPaintTest, NothingIsDrawnBeforeAnySeriesIsEvaluated) {
    const SelectedSeries none;
    const QImage& out = Paint(none, ViewLayout{});
    EXPECT_TRUE(AllAre(out, out.rect(), Untouched));
    EXPECT_FALSE(trace.drawn);
}

TEST_F(GraphPaintTest, OneMeasurementRisesAtTheAxisSpansTheFrameAndFallsBack) {
    const SelectedSeries series = SeriesFromExposures(Utc(2024, 5, 1, 8, 1, 0), {600});
    const QImage& out = Paint(series, Whole(series));
    // Background, frame outline.
    EXPECT_TRUE(Is(out, 2, 2, Colors.background));
    EXPECT_TRUE(Is(out, 300, T, Colors.axes));
    EXPECT_TRUE(Is(out, 300, AxisY - 1, Colors.axes));
    EXPECT_TRUE(Is(out, W - R - 1, 100, Colors.axes));
    EXPECT_TRUE(Is(out, 300, 100, Colors.background));
    // The bar: riser at L from the axis, top at 2 × MarginTop across to W − R, closing riser down.
    EXPECT_TRUE(AllAre(out, QRect(QPoint(L, 2 * T + 1), QPoint(L, AxisY)), Colors.graph));
    EXPECT_TRUE(Is(out, L, AxisY + 1, Colors.background));
    EXPECT_TRUE(AllAre(out, QRect(QPoint(L, 2 * T), QPoint(382, 2 * T)), Colors.graph));
    EXPECT_TRUE(AllAre(out, QRect(QPoint(384, 2 * T), QPoint(W - R - 1, 2 * T)), Colors.graph));
    EXPECT_TRUE(Is(out, L + 1, 2 * T - 1, Colors.background));
    EXPECT_TRUE(AllAre(out, QRect(QPoint(W - R, 2 * T), QPoint(W - R, AxisY - 1)), Colors.graph));
    EXPECT_TRUE(Is(out, W - R, AxisY, Colors.background));
    // The pointer through the middle: Round(300 × 1.06) + 65, from the frame's top to the axis.
    EXPECT_TRUE(AllAre(out, QRect(QPoint(383, T), QPoint(383, AxisY - 1)), Colors.pointer));
    EXPECT_TRUE(Is(out, 383, T - 1, Colors.background));
    EXPECT_TRUE(Is(out, 383, AxisY, Colors.background));
    ASSERT_TRUE(trace.drawn);
    EXPECT_EQ(trace.pointerX, 383);
    EXPECT_EQ(trace.savedColumn[2 * T], Colors.graph.rgb() & 0x00FFFFFFu);
    EXPECT_EQ(trace.savedColumn[100], Colors.background.rgb() & 0x00FFFFFFu);
    EXPECT_EQ(static_cast<int>(trace.savedColumn.size()), AxisY + 1);
}

TEST_F(GraphPaintTest, TitlesAreInTheCaptionColour) {
    const SelectedSeries series = SeriesFromExposures(Utc(2024, 5, 1, 8, 1, 0), {600});
    const QImage& out = Paint(series, Whole(series));
    // The rotated title runs up from (5, (H − B) div 2), its cell to the right of x = 5.
    EXPECT_GT(InkIn(out, QRect(QPoint(5, 30), QPoint(17, AxisY / 2 - 1)), Colors.captions, Colors.background),
              100);
    EXPECT_EQ(InkIn(out, QRect(QPoint(5, AxisY / 2 + 1), QPoint(17, AxisY - 1)), Colors.captions,
                    Colors.background),
              0);
    EXPECT_EQ(InkIn(out, QRect(QPoint(0, 0), QPoint(4, AxisY)), Colors.captions, Colors.background), 0);
    // The time title begins at the middle of the width, 12 + MarginTop above the bottom.
    const QRect title(QPoint(W / 2, H - 12 - T), QPoint(W / 2 + 150, H - 1));
    EXPECT_GT(InkIn(out, title, Colors.captions, Colors.background), 100);
    EXPECT_EQ(InkIn(out, QRect(QPoint(W / 2 - 40, H - 12 - T), QPoint(W / 2 - 1, H - 1)), Colors.captions,
                    Colors.background),
              0);
}

TEST_F(GraphPaintTest, ScaleLabelsHangBelowTheirLevelAndEndAtTheAxis) {
    const SelectedSeries series = SeriesFromExposures(Utc(2024, 5, 1, 8, 1, 0), {600}); // 8533 Bq/m³
    const ViewLayout view = Whole(series);
    ASSERT_EQ(view.activityStep, 1000);
    const QImage& out = Paint(series, view);
    for (int v = 1000; v <= 8000; v += 1000) {
        const int y = YOf(v, view.activityScale);
        EXPECT_TRUE(AllAre(out, QRect(QPoint(L - K + 1, y), QPoint(L - 1, y)), Colors.grid)) << v;
        EXPECT_GT(InkIn(out, QRect(QPoint(L - 40, y), QPoint(L - 1, y + 14)), Colors.grid, Colors.background),
                  10)
            << v;
        EXPECT_TRUE(Is(out, 200, y, Colors.background)) << "no grid line at " << v;
    }
}

TEST_F(GraphPaintTest, TenDigitScaleLabelsLeaveTheActivityTitleFree) {
    // Marks one second apart at a sensitivity of 0.01: 1.28e9 Bq/m³, labels of ten digits.
    const SelectedSeries series = SeriesFromExposures(Utc(2024, 5, 1, 8, 1, 0), {1, 1, 2}, 1);
    const ViewLayout view = Whole(series);
    ASSERT_GE(QString::number(view.activityStep * ((view.viewMax - 1) / view.activityStep)).size(), 10);
    const QImage& out = Paint(series, view);
    // The title stands upwards at x 5 in a 12-pixel cell; no label's ink reaches it or the pixel beside it.
    // (Ink nearer the labels' colour than both the paper and the title's.)
    int labelInk = 0;
    for (int y = 0; y < AxisY; ++y)
        for (int x = 0; x <= 5 + 12; ++x) {
            const QColor c = out.pixelColor(x, y);
            const auto distance = [&c](const QColor& to) {
                return std::abs(c.red() - to.red()) + std::abs(c.green() - to.green()) +
                       std::abs(c.blue() - to.blue());
            };
            labelInk +=
                distance(Colors.grid) < std::min(distance(Colors.background), distance(Colors.captions));
        }
    EXPECT_EQ(labelInk, 0);
    // Each label still ends at the axis, every digit of it there.
    for (int64_t v = view.activityStep; v < view.viewMax; v += view.activityStep) {
        const int y = YOf(v, view.activityScale);
        EXPECT_GT(InkIn(out, QRect(QPoint(L - 8, y), QPoint(L - 1, y + 10)), Colors.grid, Colors.background),
                  3)
            << v;
    }
    // The time labels keep their own size.
    const SelectedSeries usual = SeriesFromExposures(Utc(2024, 5, 1, 8, 1, 0), {1, 1, 2}, 250);
    const QImage small = Paint(usual, Whole(usual)).copy();
    const QImage large = Paint(series, view);
    EXPECT_EQ(small.copy(0, AxisY + 1, W, B - 1), large.copy(0, AxisY + 1, W, B - 1));
}

TEST_F(GraphPaintTest, ViewMaxTenWithStepFiveHasOneLabelOnly) {
    const SelectedSeries series = SeriesFromElapsed(Utc(2024, 5, 1, 8), {0, 300, 600}, {10, 3});
    const ViewLayout view = Whole(series);
    ASSERT_EQ(view.viewMax, 10);
    ASSERT_EQ(view.activityStep, 5);
    const QImage& out = Paint(series, view);
    std::vector<int> tickRows;
    for (int y = 0; y < AxisY; ++y) {
        if (AllAre(out, QRect(QPoint(L - K + 1, y), QPoint(L - 1, y)), Colors.grid))
            tickRows.push_back(y);
    }
    EXPECT_EQ(tickRows, std::vector<int>{YOf(5, view.activityScale)});
    // Its text, "5", is a single narrow digit ending at the axis.
    const int y = YOf(5, view.activityScale);
    EXPECT_GT(InkIn(out, QRect(QPoint(L - 8, y), QPoint(L - 1, y + 13)), Colors.grid, Colors.background), 5);
    EXPECT_EQ(InkIn(out, QRect(QPoint(L - 30, y), QPoint(L - 10, y + 13)), Colors.grid, Colors.background),
              0);
}

TEST_F(GraphPaintTest, AZoomedViewInTheMiddleHasRedEnds) {
    const SelectedSeries series =
        SeriesFromElapsed(Utc(2024, 5, 1, 8), {0, 100, 200, 300, 400, 500, 600}, {40, 70, 10, 90, 30, 20});
    ViewLayout view = Whole(series);
    ShowRange(view, series, size, 2, 4); // 100 … 400 s, maximum 90
    view.pointerIndex = 4;               // out of the way of the lines looked at
    const QImage& out = Paint(series, view);
    const QColor red(255, 0, 0);
    const int y2 = YOf(70, view.activityScale);
    const int y3 = YOf(10, view.activityScale);
    const int y4 = YOf(90, view.activityScale);
    const int y5 = YOf(30, view.activityScale);
    ASSERT_EQ(y4, 2 * T);
    const int x3 = L + 212; // Round(100 × 636 / 300)
    const int xe = W - R;   // the end of the view
    EXPECT_TRUE(AllAre(out, QRect(QPoint(L, y2 + 1), QPoint(L, AxisY)), red)) << "first riser";
    EXPECT_TRUE(AllAre(out, QRect(QPoint(L, y2), QPoint(x3 - 1, y2)), Colors.graph));
    EXPECT_TRUE(AllAre(out, QRect(QPoint(x3, y2), QPoint(x3, y3 - 1)), Colors.graph)) << "inner step";
    EXPECT_TRUE(AllAre(out, QRect(QPoint(xe, y4), QPoint(xe, y5 - 1)), red)) << "closing riser";
    EXPECT_TRUE(Is(out, xe, y5, Colors.background)) << "it ends at the next measurement's level";
}

TEST_F(GraphPaintTest, TheSeriesLastMeasurementClosesInTheGraphColour) {
    const SelectedSeries series = SeriesFromElapsed(Utc(2024, 5, 1, 8), {0, 100, 200, 300}, {40, 70, 10});
    ViewLayout view = Whole(series);
    ShowRange(view, series, size, 2, 3);
    const QImage& out = Paint(series, view);
    const int y3 = YOf(10, view.activityScale);
    EXPECT_TRUE(AllAre(out, QRect(QPoint(W - R, y3), QPoint(W - R, AxisY - 1)), Colors.graph));
    EXPECT_TRUE(Is(out, L, AxisY, QColor(255, 0, 0))) << "but the view begins after measurement 1";
}

TEST_F(GraphPaintTest, NegativeActivityIsDrawnOnTheAxis) {
    const SelectedSeries series = SeriesFromElapsed(Utc(2024, 5, 1, 8), {0, 300, 600}, {-50, 100});
    ViewLayout view = Whole(series);
    view.pointerIndex = 2;
    const QImage& out = Paint(series, view);
    const int x1 = L + 318; // Round(300 × 1.06)
    EXPECT_TRUE(AllAre(out, QRect(QPoint(L, AxisY), QPoint(x1 - 1, AxisY)), Colors.graph));
    EXPECT_TRUE(AllAre(out, QRect(QPoint(L + 1, AxisY - 1), QPoint(x1 - 1, AxisY - 1)), Colors.axes))
        << "the frame's bottom stays above it";
}

TEST_F(GraphPaintTest, OnlyABarOffTheScaleHasARedTopAtTheAreasEdge) {
    const SelectedSeries series = SeriesFromElapsed(Utc(2024, 5, 1, 8), {0, 200, 400, 600}, {90, 50, 1});
    ViewLayout view = Whole(series);
    view.viewMax = 50;
    view.activityScale = float(AxisY - 2 * T) / 50.0F;
    const QImage& out = Paint(series, view);
    const QColor red(255, 0, 0);
    const int x1 = L + 212; // Round(200 × 1.06)
    const int x2 = L + 424;
    EXPECT_TRUE(AllAre(out, QRect(QPoint(L + 1, 0), QPoint(x1 - 1, 0)), red));
    EXPECT_TRUE(AllAre(out, QRect(QPoint(L, 1), QPoint(L, T - 1)), Colors.graph)) << "its riser";
    EXPECT_TRUE(AllAre(out, QRect(QPoint(x1, 0), QPoint(x1, 2 * T - 1)), Colors.graph)) << "the way down";
    EXPECT_TRUE(AllAre(out, QRect(QPoint(x1, 2 * T), QPoint(x2 - 1, 2 * T)), Colors.graph))
        << "the bar at the top of the scale fits";
    // A bar exactly MarginTop pixels high: Round(1 × 267 / 50) = 5.
    const int y3 = YOf(1, view.activityScale);
    ASSERT_EQ(AxisY - y3, T);
    EXPECT_TRUE(AllAre(out, QRect(QPoint(x2 + 1, y3), QPoint(x2 + 20, y3)), Colors.graph));
}

class GridPaintTest : public GraphPaintTest, public testing::WithParamInterface<bool> {};

TEST_P(GridPaintTest, DottedLinesAtEveryLabelOnlyWithTheGrid) {
    const bool grid = GetParam();
    // 600 s from 08:01:00: labels 08:05 and 08:10 at offsets 240 and 540 s.
    const SelectedSeries series = SeriesFromExposures(Utc(2024, 5, 1, 8, 1, 0), {600});
    ViewLayout view = Whole(series);
    SetGrid(view, grid);
    const QImage& out = Paint(series, view);
    const QColor dot = grid ? Colors.grid : Colors.background;
    const int y = YOf(1000, view.activityScale);
    for (int x = L + 6; x < L + 60; ++x)
        EXPECT_TRUE(Is(out, x, y, (x - L) % 6 < 3 ? dot : Colors.background)) << x;
    EXPECT_TRUE(Is(out, W - R - 1, y, Colors.axes)) << "a line ending in a gap leaves the frame whole";
    for (int x : {L + 254, L + 572}) { // Round(240 × 1.06), Round(540 × 1.06)
        EXPECT_TRUE(AllAre(out, QRect(QPoint(x, AxisY), QPoint(x, AxisY + K - 1)), Colors.grid))
            << "tick " << x;
        // The vertical line runs from the frame's top to just above the axis; only the bar's top, drawn
        // later, crosses it. Without the grid the frame shows through at both ends.
        std::vector<int> crossings; // rows of the scale's own grid lines, whose dots show in the gaps
        for (int64_t v = view.activityStep; v < view.viewMax; v += view.activityStep)
            crossings.push_back(YOf(v, view.activityScale));
        for (int row = T; row < AxisY; ++row) {
            const bool crossed = std::find(crossings.begin(), crossings.end(), row) != crossings.end();
            if (row == 2 * T || (grid && crossed && (row - T) % 6 >= 3))
                continue;
            const bool frame = row == T || row == AxisY - 1;
            const QColor expected = grid ? ((row - T) % 6 < 3 ? Colors.grid : Colors.background)
                                         : (frame ? Colors.axes : Colors.background);
            EXPECT_TRUE(Is(out, x, row, expected)) << x << "," << row;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(OnAndOff, GridPaintTest, testing::Bool());

} // namespace
