#include "graph/GraphPicture.h"
#include "graph/GraphImage.h"
#include "tests/support/PixelProbe.h"
#include "tests/support/SeriesFactory.h"
#include "tests/support/StepLineRuns.h"
#include "tests/support/SvgCheck.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const ColorScheme Colors;

QString Fill(const QColor& color) {
    return color.name(QColor::HexRgb);
}

std::vector<QRect> Sorted(std::vector<QRect> rects) {
    std::sort(rects.begin(), rects.end(), [](const QRect& a, const QRect& b) {
        return std::make_tuple(a.x(), a.y(), a.width(), a.height()) <
               std::make_tuple(b.x(), b.y(), b.width(), b.height());
    });
    return rects;
}

std::vector<QRect> RunsMarked(const std::vector<StepRun>& runs, bool marked) {
    std::vector<QRect> rects;
    for (const StepRun& run : runs)
        if (run.marked == marked)
            rects.push_back(run.pixels);
    return rects;
}

// A zoomed view in the middle of a series across a new year, with the grid and the pointer inside it.
class GraphPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        series = RadonSeries(60, Utc(2025, 12, 30, 18));
        request.size = size;
        request.first = 10;
        request.count = 30;
        request.pointer = 21;
        request.grid = true;
        view = ViewForImage(series, request);
        ASSERT_EQ(view.viewFirst, 10);
        ASSERT_EQ(view.pointerIndex, 21);
    }
    GraphScene scene() const { return GraphScene{series, view, Colors, false}; }
    std::vector<StepRun> expectedRuns() const {
        return StepLineRunsOn(
            StepLineOf(series, view, ViewTimeMap(view, series), ViewActivityMap(view, size.height())), size);
    }

    QSize size{640, 360};
    SelectedSeries series;
    GraphImageRequest request;
    ViewLayout view;
};

TEST_F(GraphPictureTest, TheSvgHoldsEveryStrokeOfTheStepLineAtItsCoordinates) {
    const SvgDrawing svg = ReadSvgDrawing(GraphSvgBytes(scene(), size, QStringLiteral("Серия")));
    ASSERT_TRUE(svg.error.isEmpty()) << svg.error.toStdString();
    EXPECT_EQ(svg.viewBox, QRect(QPoint(0, 0), size));
    EXPECT_GT(svg.texts, 5); // titles and scale and time labels stay text

    const std::vector<StepRun> runs = expectedRuns();
    ASSERT_GT(runs.size(), 40u);
    // The view lies inside the series: its first and closing risers are red, the rest in the graph colour.
    const std::vector<QRect> marked = RunsMarked(runs, true);
    ASSERT_GE(marked.size(), 2u);
    EXPECT_EQ(Sorted(PixelsStrokedIn(svg, Fill(Colors.graph))), Sorted(RunsMarked(runs, false)));
    EXPECT_EQ(Sorted(PixelsStrokedIn(svg, Fill(MarkerColor))), Sorted(marked));

    // The pointer line through the middle of measurement 21, from the frame's top down to the axis.
    const int x = PointerXFor(view, series, 21);
    const int axisY = size.height() - view.margins.bottom;
    EXPECT_EQ(PixelsStrokedIn(svg, Fill(Colors.pointer)),
              std::vector<QRect>{QRect(QPoint(x, view.margins.top), QPoint(x, axisY - 1))});
}

// Lines are drawn as lines: no stroke of the graph, its frame or its grid is a filled rectangle, and a
// dotted grid line is one path of dashes rather than a rectangle per dash.
TEST_F(GraphPictureTest, TheSvgDrawsItsLinesAsPathsNotAsRectangles) {
    const SvgDrawing svg = ReadSvgDrawing(GraphSvgBytes(scene(), size, QStringLiteral("Серия")));
    ASSERT_TRUE(svg.error.isEmpty()) << svg.error.toStdString();
    for (const QColor& stroke : {Colors.graph, MarkerColor, Colors.pointer, Colors.axes, Colors.grid})
        EXPECT_TRUE(RectsFilledWith(svg, Fill(stroke)).empty()) << Fill(stroke).toStdString();
    // What rectangles remain are fills: the background, the frame's inside and the text cells.
    EXPECT_LT(svg.rects.size(), static_cast<size_t>(svg.texts + 4));
    // Strokes that follow each other in one colour make one path: the step line's 61 strokes take a path
    // for each change between red and the graph colour, the frame's four sides one.
    EXPECT_LT(svg.paths, view.viewCount);
    // The frame's top: a one-pixel line through the middle of row T, from the axis to the right margin.
    const int t = view.margins.top;
    const std::vector<QRect> frame = PixelsStrokedIn(svg, Fill(Colors.axes));
    EXPECT_NE(
        std::find(frame.begin(), frame.end(),
                  QRect(QPoint(view.margins.left, t), QPoint(size.width() - view.margins.right - 1, t))),
        frame.end());
    // In the grid colour: the dots of the grid lines, 3 pixels on (fewer at a line's end), and the ticks.
    const std::vector<QRect> grid = PixelsStrokedIn(svg, Fill(Colors.grid));
    const auto dot = [](const QRect& r) {
        return std::min(r.width(), r.height()) == 1 && std::max(r.width(), r.height()) <= 3;
    };
    const auto tick = [&](const QRect& r) {
        return std::min(r.width(), r.height()) == 1 &&
               std::max(r.width(), r.height()) == view.margins.tickLength;
    };
    EXPECT_GT(std::count_if(grid.begin(), grid.end(), dot), 100);
    EXPECT_TRUE(std::all_of(grid.begin(), grid.end(), [&](const QRect& r) { return dot(r) || tick(r); }));
}

TEST_F(GraphPictureTest, ThePngHoldsTheScreenRoutinesPixels) {
    const QImage png = QImage::fromData(GraphPngBytes(scene(), size), "PNG");
    ASSERT_EQ(png.size(), size);
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32),
              RenderGraphImage(series, request).convertToFormat(QImage::Format_RGB32));
    const int pointerX = PointerXFor(view, series, 21);
    int checked = 0;
    for (const StepRun& run : expectedRuns()) {
        for (int y = run.pixels.top(); y <= run.pixels.bottom(); ++y)
            for (int x = run.pixels.left(); x <= run.pixels.right(); ++x)
                if (x != pointerX) {
                    ASSERT_TRUE(Is(png, x, y, run.marked ? MarkerColor : Colors.graph)) << x << "," << y;
                    ++checked;
                }
    }
    EXPECT_GT(checked, size.width() / 2);
    EXPECT_TRUE(Is(png, pointerX, view.margins.top, Colors.pointer));
}

TEST_F(GraphPictureTest, GraphPictureBytesChoosesTheFormat) {
    EXPECT_TRUE(GraphPictureBytes(scene(), size, PictureFormat::Png).startsWith("\x89PNG\r\n\x1a\n"));
    const QByteArray svg = GraphPictureBytes(scene(), size, PictureFormat::Svg, QStringLiteral("x"));
    EXPECT_TRUE(svg.startsWith("<?xml")) << svg.left(40).toStdString();
    EXPECT_TRUE(ReadSvgDrawing(svg).error.isEmpty());
}

TEST_F(GraphPictureTest, TheTitleOfTheDrawingIsReadBackAsGiven) {
    const QString title = QStringLiteral("Файл a&b<c>.rad; Серия N 3");
    const SvgDrawing svg = ReadSvgDrawing(GraphSvgBytes(scene(), size, title));
    ASSERT_TRUE(svg.error.isEmpty()) << svg.error.toStdString();
    EXPECT_EQ(svg.title, title);
}

TEST_F(GraphPictureTest, AtTheScreensSizeThePictureKeepsTheScreensView) {
    const ViewLayout same = ViewForPictureSize(view, series, size, size);
    EXPECT_EQ(same.viewFirst, view.viewFirst);
    EXPECT_EQ(same.viewCount, view.viewCount);
    EXPECT_EQ(same.pointerIndex, view.pointerIndex);
    EXPECT_EQ(same.timeScale, view.timeScale);
    EXPECT_EQ(same.activityScale, view.activityScale);
    EXPECT_EQ(same.activityStep, view.activityStep);
    EXPECT_EQ(same.gridOn, view.gridOn);
}

TEST_F(GraphPictureTest, AtAnotherSizeTheSameMeasurementsFillTheFrame) {
    const QSize larger(1200, 500);
    const ViewLayout resized = ViewForPictureSize(view, series, size, larger);
    EXPECT_EQ(resized.viewFirst, 10);
    EXPECT_EQ(resized.viewCount, 30);
    EXPECT_EQ(resized.pointerIndex, 21);
    EXPECT_TRUE(resized.gridOn);
    const StepLine line =
        StepLineOf(series, resized, ViewTimeMap(resized, series), ViewActivityMap(resized, larger.height()));
    // The view's start on the vertical axis, its end at the frame's right side, its largest activity one top
    // margin below the frame's top, as radview-dump draws the view at that size.
    EXPECT_EQ(line.start.x(), resized.margins.left);
    EXPECT_EQ(line.strokes[line.strokes.size() - 2].to.x(), larger.width() - resized.margins.right);
    int top = larger.height();
    for (const StepStroke& stroke : line.strokes)
        top = std::min(top, stroke.to.y());
    EXPECT_EQ(top, 2 * resized.margins.top);
    const QImage png =
        QImage::fromData(GraphPngBytes(GraphScene{series, resized, Colors, false}, larger), "PNG");
    EXPECT_EQ(png.size(), larger);
}

} // namespace
