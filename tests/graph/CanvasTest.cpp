#include "graph/Canvas.h"
#include "tests/support/PixelProbe.h"

#include <gtest/gtest.h>

namespace {

const QColor Paper(255, 255, 255);
const QColor Ink(200, 0, 0);
const QColor Fill(0, 0, 200);

class CanvasTest : public testing::Test {
protected:
    void SetUp() override {
        image.fill(Paper);
        canvas = std::make_unique<Canvas>(image);
        canvas->pen.color = Ink;
        canvas->brushColor = Fill;
    }
    // The picture, with the painter's work finished.
    const QImage& Done() {
        canvas.reset();
        return image;
    }

    QImage image{60, 40, QImage::Format_RGB32};
    std::unique_ptr<Canvas> canvas;
};

TEST_F(CanvasTest, LinesLeaveOutTheirEndPointInEitherDirection) {
    canvas->line(10, 5, 20, 5);
    canvas->line(20, 7, 10, 7);
    canvas->line(3, 10, 3, 20);
    canvas->line(5, 20, 5, 10);
    const QImage& out = Done();
    EXPECT_TRUE(AllAre(out, QRect(QPoint(10, 5), QPoint(19, 5)), Ink));
    EXPECT_TRUE(Is(out, 20, 5, Paper));
    EXPECT_TRUE(Is(out, 9, 5, Paper));
    EXPECT_TRUE(AllAre(out, QRect(QPoint(11, 7), QPoint(20, 7)), Ink));
    EXPECT_TRUE(Is(out, 10, 7, Paper));
    EXPECT_TRUE(AllAre(out, QRect(QPoint(3, 10), QPoint(3, 19)), Ink));
    EXPECT_TRUE(Is(out, 3, 20, Paper));
    EXPECT_TRUE(AllAre(out, QRect(QPoint(5, 11), QPoint(5, 20)), Ink));
    EXPECT_TRUE(Is(out, 5, 10, Paper));
}

TEST_F(CanvasTest, ConnectedLinesMeetWithoutGapsAndEachCornerTakesTheNextColour) {
    canvas->moveTo(10, 30);
    canvas->lineTo(10, 20);
    canvas->pen.color = Fill;
    canvas->lineTo(30, 20);
    const QImage& out = Done();
    EXPECT_TRUE(AllAre(out, QRect(QPoint(10, 21), QPoint(10, 30)), Ink));
    EXPECT_TRUE(AllAre(out, QRect(QPoint(10, 20), QPoint(29, 20)), Fill));
    EXPECT_TRUE(Is(out, 30, 20, Paper));
}

TEST_F(CanvasTest, DiagonalLinesLeaveOutTheirEndPoint) {
    canvas->line(0, 0, 10, 10);
    const QImage& out = Done();
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(Is(out, i, i, Ink)) << i;
    EXPECT_TRUE(Is(out, 10, 10, Paper));
}

TEST_F(CanvasTest, RectanglesCoverUpToOneShortOfTheirSecondCorner) {
    canvas->rectangle(2, 3, 8, 9);
    const QImage& out = Done();
    EXPECT_TRUE(AllAre(out, QRect(QPoint(2, 3), QPoint(7, 3)), Ink));
    EXPECT_TRUE(AllAre(out, QRect(QPoint(2, 8), QPoint(7, 8)), Ink));
    EXPECT_TRUE(AllAre(out, QRect(QPoint(2, 3), QPoint(2, 8)), Ink));
    EXPECT_TRUE(AllAre(out, QRect(QPoint(7, 3), QPoint(7, 8)), Ink));
    EXPECT_TRUE(AllAre(out, QRect(QPoint(3, 4), QPoint(6, 7)), Fill));
    EXPECT_TRUE(Is(out, 8, 5, Paper));
    EXPECT_TRUE(Is(out, 5, 9, Paper));
    EXPECT_TRUE(Is(out, 1, 5, Paper));
}

TEST_F(CanvasTest, DottedLinesAlternateThreePixelsOfPenAndThreeLeftAsTheyWere) {
    canvas->pen.style = PenStyle::Dot;
    canvas->line(0, 2, 20, 2);
    canvas->line(30, 30, 30, 18);
    const QImage& out = Done();
    for (int x = 0; x < 20; ++x)
        EXPECT_TRUE(Is(out, x, 2, x % 6 < 3 ? Ink : Paper)) << x;
    EXPECT_TRUE(Is(out, 20, 2, Paper));
    for (int y = 30; y > 18; --y)
        EXPECT_TRUE(Is(out, 30, y, (30 - y) % 6 < 3 ? Ink : Paper)) << y;
    EXPECT_TRUE(Is(out, 30, 18, Paper));
}

TEST_F(CanvasTest, DotsKeepTheirPhaseWhenTheLineStartsOffTheCanvas) {
    canvas->pen.style = PenStyle::Dot;
    canvas->line(-7, 4, 20, 4);
    const QImage& out = Done();
    for (int x = 0; x < 20; ++x)
        EXPECT_TRUE(Is(out, x, 4, (x + 7) % 6 < 3 ? Ink : Paper)) << x;
}

TEST_F(CanvasTest, WidePensWidenAcrossTheLine) {
    canvas->pen.width = 3;
    canvas->line(10, 10, 20, 10);
    const QImage& out = Done();
    EXPECT_TRUE(AllAre(out, QRect(QPoint(10, 9), QPoint(19, 11)), Ink));
    EXPECT_TRUE(Is(out, 15, 8, Paper));
    EXPECT_TRUE(Is(out, 15, 12, Paper));
    EXPECT_TRUE(Is(out, 20, 10, Paper));
}

TEST_F(CanvasTest, FarAwayCoordinatesAreClippedQuickly) {
    canvas->line(-(1 << 29), 6, 1 << 29, 6);
    canvas->pen.style = PenStyle::Dot;
    canvas->line(3, -(1 << 29), 3, 1 << 29);
    canvas->line(-(1 << 29), -(1 << 29), 1 << 29, 1 << 29);
    const QImage& out = Done();
    EXPECT_TRUE(AllAre(out, QRect(QPoint(0, 6), QPoint(59, 6)), Ink));
}

TEST_F(CanvasTest, TextCellsAreOpaqueInTheBrushColour) {
    canvas->fontColor = Ink;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    canvas->setFont(font);
    const int width = canvas->textWidth(QStringLiteral("57"));
    const int height = canvas->textHeight();
    canvas->textOut(10, 8, QStringLiteral("57"));
    const QImage& out = Done();
    const QRect cell(10, 8, width, height);
    int paper = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            paper += Is(out, x, y, Paper);
    EXPECT_EQ(paper, 0) << "the cell is filled";
    EXPECT_GT(InkIn(out, cell, Ink, Fill), 10);
    EXPECT_TRUE(Is(out, cell.right() + 1, 10, Paper));
    EXPECT_TRUE(Is(out, 12, cell.bottom() + 1, Paper));
    EXPECT_TRUE(Is(out, 9, 10, Paper));
}

TEST_F(CanvasTest, UpwardTextRunsUpFromItsPointWithItsCellToTheRight) {
    canvas->fontColor = Ink;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    canvas->setFont(font);
    const int width = canvas->textWidth(QStringLiteral("Бк"));
    const int height = canvas->textHeight();
    canvas->textOutUpwards(5, 35, QStringLiteral("Бк"));
    const QImage& out = Done();
    const QRect cell(5, 35 - width, height, width);
    EXPECT_EQ(InkIn(out, cell, Paper, Fill), 0) << "the cell is filled";
    EXPECT_GT(InkIn(out, cell, Ink, Fill), 10);
    EXPECT_TRUE(AllAre(out, QRect(QPoint(0, 0), QPoint(4, 39)), Paper));
    EXPECT_TRUE(AllAre(out, QRect(QPoint(0, 35), QPoint(59, 39)), Paper));
    EXPECT_TRUE(AllAre(out, QRect(QPoint(cell.right() + 1, 0), QPoint(59, 39)), Paper));
}

TEST_F(CanvasTest, PixelsReadBackWithoutAlphaAndOffTheImageAsUnreadable) {
    canvas->pen.color = QColor(1, 2, 3);
    canvas->line(4, 4, 5, 4);
    EXPECT_EQ(canvas->pixel(4, 4), 0x00010203u);
    EXPECT_EQ(canvas->pixel(-1, 4), Canvas::Unreadable);
    EXPECT_EQ(canvas->pixel(4, 40), Canvas::Unreadable);
    EXPECT_EQ(canvas->pixel(0, 0), 0x00FFFFFFu); // white is not the unreadable value
    canvas->writeColumn(7, 1, {0x00112233u, 0x00445566u});
    const QImage& out = Done();
    EXPECT_EQ(Rgb(out, 7, 1), 0x00112233u);
    EXPECT_EQ(Rgb(out, 7, 2), 0x00445566u);
    EXPECT_TRUE(Is(out, 7, 3, Paper));
}

} // namespace
