#include "graph/SceneGeometry.h"
#include "graph/GraphFonts.h"
#include "graph/GraphPaint.h"
#include "graph/TimeAxis.h"
#include "tests/support/PixelProbe.h"
#include "tests/support/SeriesFactory.h"

#include <gtest/gtest.h>

namespace {

constexpr int W = 707;
constexpr int H = 328;
const ColorScheme Colors;

// The geometry is what the painting places: every stroke, tick and label level computed without a painter
// must show up in the painted picture at its coordinates.
class SceneGeometryTest : public testing::Test {
protected:
    void SetUp() override {
        // Activities of every kind: ordinary ones, a negative one (clock set back) and a long quiet stretch.
        series = SeriesFromElapsed(Utc(2024, 5, 1, 8), {0, 600, 1500, 1800, 1700, 9000, 9600, 12000},
                                   {8533, 2000, 17067, -1000, 300, 5000, 1200});
        ResetView(view, series, size);
    }
    QImage paint() {
        QImage image(size, QImage::Format_RGB32);
        Canvas canvas(image);
        PointerTrace trace;
        PaintGraph(canvas, GraphScene{series, view, Colors, false}, trace);
        return image;
    }
    SceneGeometry geometry() {
        QImage scratch(size, QImage::Format_RGB32);
        Canvas canvas(scratch);
        canvas.setFont(LabelFont()); // the font the painting measures its time labels in
        return ComputeSceneGeometry(series, view, size, TimeLabelWidth(canvas));
    }
    QSize size{W, H};
    SelectedSeries series;
    ViewLayout view;
};

TEST_F(SceneGeometryTest, TheStepLineRisesAndRunsAsPaintedWithItsMarkers) {
    ShowRange(view, series, size, 2, 5); // the series goes on before and after the view
    view.viewMax = 3000;                 // measurement 3 no longer fits the scale
    ResizeView(view, series, size);      // whose pixels follow its top, as every change of the view leaves it
    const SceneGeometry scene = geometry();
    const StepLine& line = scene.line;
    ASSERT_EQ(line.strokes.size(), 2u * 4 + 1);
    EXPECT_EQ(line.start, QPoint(view.margins.left, scene.axisY));
    // The first riser and the closing one are marked, and so is the tread of the bar off the scale.
    EXPECT_TRUE(line.strokes.front().marked);
    EXPECT_TRUE(line.strokes.back().marked);
    EXPECT_TRUE(line.strokes[3].marked);
    EXPECT_EQ(line.strokes[3].to.y(), 0);           // an activity off the scale reaches the top edge
    EXPECT_EQ(line.strokes[5].to.y(), scene.axisY); // a negative one lies on the axis
    for (size_t j = 1; j < line.strokes.size() - 1; ++j)
        EXPECT_FALSE(line.strokes[j].marked && j != 3) << j;

    const QImage image = paint();
    QPoint at = line.start;
    for (const StepStroke& stroke : line.strokes) {
        // A quarter along every stroke longer than a pixel is in the colour the geometry gives it (the
        // middle of a tread is where the pointer line stands).
        const QPoint middle = (3 * at + stroke.to) / 4;
        if ((stroke.to - at).manhattanLength() > 2) {
            EXPECT_TRUE(Is(image, middle.x(), middle.y(), stroke.marked ? MarkerColor : Colors.graph))
                << middle.x() << "," << middle.y();
        }
        at = stroke.to;
    }
}

TEST_F(SceneGeometryTest, ScaleLevelsAndTimeTicksStandWherePainted) {
    const SceneGeometry scene = geometry();
    ASSERT_FALSE(scene.levels.empty());
    ASSERT_FALSE(scene.ticks.empty());
    EXPECT_LE(scene.levels.size(), 8u);
    const QImage image = paint();
    const int left = view.margins.left;
    for (const ScaleLevel& level : scene.levels) {
        EXPECT_EQ(level.value % view.activityStep, 0);
        // The tick runs left from the axis at the level's y.
        EXPECT_TRUE(Is(image, left - 2, level.y, Colors.grid)) << level.value;
    }
    for (const TimeTick& tick : scene.ticks) {
        // The tick runs down from the time axis at the label's x.
        EXPECT_TRUE(Is(image, tick.x, scene.axisY + 2, Colors.grid)) << tick.x;
        EXPECT_LE(tick.x, W);
    }
    EXPECT_EQ(scene.pointerX, PointerXFor(view, series, view.pointerIndex));
}

TEST_F(SceneGeometryTest, TicksKeepRoomForTheLastLabel) {
    const std::vector<TimeTick> all = TimeAxisTicks(series, view, view.timeScale, 65, 100000);
    ASSERT_GE(all.size(), 2u);
    // Moving the right edge to just before a tick leaves that tick and every later one out.
    const int edge = all.back().x - 1;
    const std::vector<TimeTick> cut = TimeAxisTicks(series, view, view.timeScale, 65, edge);
    EXPECT_EQ(cut.size(), all.size() - 1);
    EXPECT_TRUE(TimeAxisTicks(series, view, 0.0F, 65, 100000).empty());
}

} // namespace

namespace {

// The screen rounds a level's height to the nearest pixel, the printed page truncates it; both label every
// step below the top.
TEST(ScaleLevels, TheScreenRoundsThePageTruncates) {
    ViewLayout view;
    view.viewMax = 100;
    view.activityStep = 30;
    const ActivityMap map{0.625F, 200}; // 30 → 18.75, 60 → 37.5, 90 → 56.25 pixels above the axis
    const std::vector<ScaleLevel> screen = ScaleLevels(view, map, PixelRounding::Nearest);
    const std::vector<ScaleLevel> page = ScaleLevels(view, map, PixelRounding::TowardZero);
    ASSERT_EQ(screen.size(), 3u);
    ASSERT_EQ(page.size(), 3u);
    const int rounded[] = {200 - 19, 200 - 38, 200 - 56}; // a half to the even neighbour: 37.5 → 38
    const int truncated[] = {200 - 18, 200 - 37, 200 - 56};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(screen[i].value, 30 * static_cast<int64_t>(i + 1));
        EXPECT_EQ(page[i].value, screen[i].value);
        EXPECT_EQ(screen[i].y, rounded[i]) << "level " << i;
        EXPECT_EQ(page[i].y, truncated[i]) << "level " << i;
    }
}

} // namespace
