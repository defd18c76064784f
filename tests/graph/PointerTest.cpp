#include "graph/Pointer.h"
#include "tests/support/PixelProbe.h"
#include "tests/support/SeriesFactory.h"

#include <QtMath>

#include <gtest/gtest.h>

namespace {

const ColorScheme Colors;

// The picture after a pointer move must be the picture a full paint makes with the pointer there.
class PointerTest : public testing::Test {
protected:
    QImage FullPaint(const ViewLayout& view, QSize size) {
        QImage image(size, QImage::Format_RGB32);
        PointerTrace trace;
        Canvas canvas(image);
        PaintGraph(canvas, GraphScene{series, view, Colors, false}, trace);
        return image;
    }

    SelectedSeries series = RadonSeries(300, Utc(2024, 1, 10, 6, 30, 0));
};

TEST_F(PointerTest, AMoveChangesOnlyTheOldAndTheNewColumnAndMatchesAFullPaint) {
    const QSize size(707, 328);
    ViewLayout view;
    ResetView(view, series, size);
    QImage screen(size, QImage::Format_RGB32);
    PointerTrace trace;
    {
        Canvas canvas(screen);
        PaintGraph(canvas, GraphScene{series, view, Colors, false}, trace);
    }
    const QImage before = screen.copy();
    const int oldX = trace.pointerX;
    view.pointerIndex = 150;
    PointerMove move;
    {
        Canvas canvas(screen);
        move = MovePointerLine(canvas, GraphScene{series, view, Colors, false}, trace);
    }
    EXPECT_FALSE(move.wholeArea);
    EXPECT_EQ(move.oldColumn, QRect(oldX, 0, 1, 328));
    EXPECT_EQ(move.newColumn, QRect(trace.pointerX, 0, 1, 328));
    EXPECT_EQ(DifferingColumns(before, screen), (std::vector<int>{oldX, trace.pointerX}));
    EXPECT_EQ(screen, FullPaint(view, size));
}

TEST_F(PointerTest, TheMiddleIsTakenWithHalfSecondsBeforeRounding) {
    const SelectedSeries odd = SeriesFromElapsed(Utc(2024, 1, 10), {0, 3, 6}, {5, 5});
    ViewLayout view;
    ResetView(view, odd, QSize(6 + 65 + 6, 100)); // 1 pixel per second
    EXPECT_EQ(PointerXFor(view, odd, 1), 65 + 2); // 1.5 rounds to the even 2
    EXPECT_EQ(PointerXFor(view, odd, 2), 65 + 4); // 4.5 rounds to the even 4
}

TEST_F(PointerTest, AColumnOffTheAreaMakesTheNextMoveRepaintEverything) {
    const QSize size(707, 328);
    ViewLayout view;
    ResetView(view, series, size);
    ShowRange(view, series, size, 200, 210);
    view.pointerIndex = 20; // clicked left of the axis: its middle lies far off the area
    QImage screen(size, QImage::Format_RGB32);
    PointerTrace trace;
    {
        Canvas canvas(screen);
        PaintGraph(canvas, GraphScene{series, view, Colors, false}, trace);
    }
    ASSERT_LT(trace.pointerX, 0);
    EXPECT_EQ(trace.savedColumn[2], Canvas::Unreadable);
    view.pointerIndex = 200;
    PointerMove move;
    {
        Canvas canvas(screen);
        move = MovePointerLine(canvas, GraphScene{series, view, Colors, false}, trace);
    }
    EXPECT_TRUE(move.wholeArea);
    EXPECT_EQ(screen, FullPaint(view, size));
}

TEST_F(PointerTest, ATallAreaSavesAndRestoresItsWholeColumn) {
    const QSize size(900, 1400); // taller than 1000 rows above the axis
    ViewLayout view;
    ResetView(view, series, size);
    QImage screen = FullPaint(view, size);
    PointerTrace trace;
    {
        Canvas canvas(screen);
        PaintGraph(canvas, GraphScene{series, view, Colors, false}, trace);
    }
    EXPECT_EQ(static_cast<int>(trace.savedColumn.size()), 1400 - 51 + 1);
    for (int k : {2, 299, 300}) {
        view.pointerIndex = static_cast<uint16_t>(k);
        Canvas canvas(screen);
        MovePointerLine(canvas, GraphScene{series, view, Colors, false}, trace);
    }
    EXPECT_EQ(screen, FullPaint(view, size));
}

TEST_F(PointerTest, WithoutAPointerOnTheSurfaceAMoveRepaints) {
    const QSize size(707, 328);
    ViewLayout view;
    ResetView(view, series, size);
    QImage screen(size, QImage::Format_RGB32);
    screen.fill(Qt::black);
    PointerTrace trace; // nothing drawn yet
    Canvas canvas(screen);
    EXPECT_TRUE(MovePointerLine(canvas, GraphScene{series, view, Colors, false}, trace).wholeArea);
    EXPECT_TRUE(trace.drawn);
}

} // namespace

namespace {

// On a screen of a higher pixel ratio the line is moved by its device pixels, and the picture is again the
// one a full paint makes.
class PointerAtRatioTest : public testing::TestWithParam<qreal> {
protected:
    QImage Surface(QSize size) const {
        const qreal ratio = GetParam();
        QImage image(QSize(qCeil(size.width() * ratio), qCeil(size.height() * ratio)), QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::black);
        return image;
    }
    QImage FullPaint(const ViewLayout& view, QSize size) const {
        QImage image = Surface(size);
        PointerTrace trace;
        Canvas canvas(image);
        PaintGraph(canvas, GraphScene{series, view, Colors, false}, trace);
        return image;
    }
    SelectedSeries series = RadonSeries(300, Utc(2024, 1, 10, 6, 30, 0));
};

TEST_P(PointerAtRatioTest, MovesMatchAFullPaint) {
    const QSize size(707, 328);
    ViewLayout view;
    ResetView(view, series, size);
    QImage screen = Surface(size);
    PointerTrace trace;
    {
        Canvas canvas(screen);
        EXPECT_EQ(canvas.width(), 707);
        EXPECT_EQ(canvas.height(), 328);
        PaintGraph(canvas, GraphScene{series, view, Colors, false}, trace);
    }
    for (const int k : {150, 151, 7, 300}) {
        view.pointerIndex = static_cast<uint16_t>(k);
        Canvas canvas(screen);
        EXPECT_FALSE(MovePointerLine(canvas, GraphScene{series, view, Colors, false}, trace).wholeArea);
    }
    EXPECT_EQ(screen, FullPaint(view, size));
}

INSTANTIATE_TEST_SUITE_P(Ratios, PointerAtRatioTest, testing::Values(1.0, 1.5, 2.0));

} // namespace
