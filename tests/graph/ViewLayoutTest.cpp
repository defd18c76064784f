#include "graph/ViewLayout.h"
#include "graph/AxisSteps.h"
#include "tests/support/SeriesFactory.h"

#include <gtest/gtest.h>

namespace {

constexpr int W = 707;
constexpr int H = 328;
const QSize Area(W, H);
constexpr int L = 65;
constexpr int B = 51;
constexpr int T = 5;

// Six measurements of 100 s: on a frame 600 pixels wide one second is one pixel.
const QSize UnitArea(600 + 65 + 6, H);

SelectedSeries SixHundredSeconds() {
    return SeriesFromElapsed(Utc(2024, 5, 1, 8), {0, 100, 200, 300, 400, 500, 600}, {40, 70, 10, 90, 30, 20});
}

TEST(ResetViewTest, ShowsTheWholeSeriesWithThePointerOnTheFirstMeasurement) {
    const SelectedSeries series = SixHundredSeconds();
    ViewLayout view;
    view.zoomMode = ZoomState::AwaitingSecondEdge;
    view.gridOn = true;
    ResetView(view, series, Area);
    EXPECT_EQ(view.viewFirst, 1);
    EXPECT_EQ(view.viewCount, 6);
    EXPECT_EQ(view.pointerIndex, 1);
    EXPECT_EQ(view.zoomMode, ZoomState::Off);
    EXPECT_EQ(view.viewMax, 90);
    // The vertical scale starts at 0: activity 0 lies on the time axis.
    EXPECT_EQ(ViewActivityMap(view, Area.height()).y(0), Area.height() - view.margins.bottom);
    EXPECT_TRUE(view.gridOn);
    EXPECT_FLOAT_EQ(view.timeScale, 636.0F / 600.0F);
    EXPECT_FLOAT_EQ(view.activityScale, float(H - B - 2 * T) / 90.0F);
    EXPECT_EQ(view.timeUnit, Minutes); // 600 s: D = 11 minutes
    EXPECT_EQ(view.timeStep, 5);
    EXPECT_EQ(view.activityStep, 15); // 90 div 10 = 9 is one label too many
}

TEST(ResetViewTest, OneMeasurementFillsTheFrameUpToTwiceTheTopMargin) {
    const SelectedSeries series = SeriesFromExposures(Utc(2024, 5, 1, 8), {600});
    ViewLayout view;
    ResetView(view, series, Area);
    EXPECT_EQ(view.viewFirst, 1);
    EXPECT_EQ(view.viewCount, 1);
    EXPECT_EQ(view.pointerIndex, 1);
    const TimeMap time = ViewTimeMap(view, series);
    EXPECT_EQ(time.x(0), L);
    EXPECT_EQ(time.x(600), W - 6);
    EXPECT_EQ(ViewActivityMap(view, H).y(series.activity[1]), 2 * T);
}

TEST(ResetViewTest, EmptyDurationAndZeroMaximumKeepFiniteScales) {
    SelectedSeries series = SeriesFromElapsed(Utc(2024, 5, 1, 8), {0, 0, 0}, {0, 0});
    ViewLayout view;
    ResetView(view, series, Area);
    EXPECT_FLOAT_EQ(view.timeScale, 636.0F);
    EXPECT_FLOAT_EQ(view.activityScale, float(H - B - 2 * T));
    EXPECT_EQ(view.activityStep, 1);
    series.elapsedTime = {0, 50, -20}; // the clock went back
    ResetView(view, series, Area);
    EXPECT_FLOAT_EQ(view.timeScale, 636.0F);
}

struct AtXCase {
    int x;
    int measurement;
};

class MeasurementAtXTest : public testing::TestWithParam<AtXCase> {};

TEST_P(MeasurementAtXTest, FindsTheMeasurementWhoseIntervalHoldsTheTime) {
    const SelectedSeries series = SixHundredSeconds();
    ViewLayout view;
    ResetView(view, series, UnitArea);
    ASSERT_FLOAT_EQ(view.timeScale, 1.0F);
    EXPECT_EQ(MeasurementAtX(view, series, GetParam().x), GetParam().measurement) << "x " << GetParam().x;
}

INSTANTIATE_TEST_SUITE_P(Clicks, MeasurementAtXTest,
                         testing::Values(AtXCase{L, 1}, AtXCase{L + 99, 1},
                                         AtXCase{L + 100, 1}, // exactly on the end of measurement 1
                                         AtXCase{L + 101, 2}, AtXCase{L + 300, 3}, AtXCase{L + 301, 4},
                                         AtXCase{L + 600, 6}, AtXCase{L + 650, 6}, // the search stops at n
                                         AtXCase{0, 1}));

TEST(MeasurementAtXTest, RoundsTheTimeOnTheSinglePrecisionScale) {
    const SelectedSeries series = SixHundredSeconds();
    ViewLayout view;
    ResetView(view, series, Area);                       // 1.06 pixels per second
    EXPECT_EQ(MeasurementAtX(view, series, L + 106), 1); // 100 s
    EXPECT_EQ(MeasurementAtX(view, series, L + 107), 2); // 100.94 s rounds to 101
}

TEST(MeasurementAtXTest, LeftOfAZoomedViewGivesAnEarlierMeasurement) {
    const SelectedSeries series = SixHundredSeconds();
    ViewLayout view;
    ResetView(view, series, UnitArea);
    ShowRange(view, series, UnitArea, 4, 6);             // 300 … 600 s over 600 pixels: 2 pixels per second
    EXPECT_EQ(MeasurementAtX(view, series, L - 100), 3); // 250 s
    EXPECT_EQ(MeasurementAtX(view, series, L - 200), 2); // 200 s, the end of measurement 2
    EXPECT_EQ(MeasurementAtX(view, series, L + 1), 3);   // 0.5 s rounds to the even 0: the view's start
    EXPECT_EQ(MeasurementAtX(view, series, L + 3), 4);
}

class ZoomTest : public testing::Test {
protected:
    void SetUp() override {
        ResetView(view, series, UnitArea);
        EXPECT_EQ(BeginZoom(view), QStringLiteral("Укажите на графике мышью область видимости "));
        EXPECT_EQ(view.zoomMode, ZoomState::AwaitingFirstEdge);
    }
    bool Click(int x) { return ZoomClick(view, series, UnitArea, x); }

    SelectedSeries series = SixHundredSeconds();
    ViewLayout view;
};

TEST_F(ZoomTest, TwoClicksShowTheRangeScaledToItsOwnMaximum) {
    EXPECT_FALSE(Click(L + 150));
    EXPECT_EQ(view.zoomMode, ZoomState::AwaitingSecondEdge);
    EXPECT_EQ(view.zoomAnchor, 2);
    EXPECT_TRUE(Click(L + 450));
    EXPECT_EQ(view.zoomMode, ZoomState::Off);
    EXPECT_EQ(view.viewFirst, 2);
    EXPECT_EQ(view.viewCount, 4);
    EXPECT_EQ(view.pointerIndex, 2);
    EXPECT_EQ(view.viewMax, 90);
    EXPECT_FLOAT_EQ(view.activityScale, float(H - B - 2 * T) / 90.0F);
    EXPECT_FLOAT_EQ(view.timeScale, 600.0F / 400.0F);
    EXPECT_EQ(view.timeUnit, Minutes); // 400 s
    EXPECT_EQ(view.timeStep, 1);
}

TEST_F(ZoomTest, EitherClickOrderGivesTheSameView) {
    Click(L + 450);
    Click(L + 150);
    ViewLayout reversed = view;
    SetUp();
    Click(L + 150);
    Click(L + 450);
    EXPECT_EQ(reversed.viewFirst, view.viewFirst);
    EXPECT_EQ(reversed.viewCount, view.viewCount);
    EXPECT_EQ(reversed.viewMax, view.viewMax);
    EXPECT_EQ(reversed.pointerIndex, view.pointerIndex);
    EXPECT_EQ(reversed.timeScale, view.timeScale);
    EXPECT_EQ(reversed.activityScale, view.activityScale);
}

TEST_F(ZoomTest, BothClicksOnOneBarShowThatBarAlone) {
    Click(L + 210);
    Click(L + 290);
    EXPECT_EQ(view.viewFirst, 3);
    EXPECT_EQ(view.viewCount, 1);
    EXPECT_EQ(view.viewMax, 10);
    EXPECT_EQ(ViewActivityMap(view, H).y(10), 2 * T);
}

TEST_F(ZoomTest, AClickInTheMarginReachesBeyondTheShownRange) {
    Click(L + 350);
    Click(L + 450);
    ASSERT_EQ(view.viewFirst, 4);
    BeginZoom(view);
    Click(2);                    // far left of the axis: before the view
    Click(UnitArea.width() - 1); // right margin: after it
    EXPECT_EQ(view.viewFirst, 3);
    EXPECT_EQ(view.last(), 6);
}

TEST_F(ZoomTest, ANewZoomForgetsAPendingFirstPoint) {
    Click(L + 150);
    BeginZoom(view);
    EXPECT_EQ(view.zoomMode, ZoomState::AwaitingFirstEdge);
    Click(L + 550);
    Click(L + 450);
    EXPECT_EQ(view.viewFirst, 5);
    EXPECT_EQ(view.viewCount, 2);
}

TEST_F(ZoomTest, InitialViewCancelsAZoomAndKeepsThePointer) {
    Click(L + 150);
    Click(L + 450);
    view.pointerIndex = 4;
    BeginZoom(view);
    ShowWholeSeries(view, series, UnitArea);
    EXPECT_EQ(view.zoomMode, ZoomState::Off);
    EXPECT_EQ(view.viewFirst, 1);
    EXPECT_EQ(view.viewCount, 6);
    EXPECT_EQ(view.viewMax, 90);
    EXPECT_EQ(view.pointerIndex, 4);
    EXPECT_FLOAT_EQ(view.timeScale, 1.0F);
    EXPECT_FLOAT_EQ(view.activityScale, float(H - B - 2 * T) / 90.0F);
}

TEST(ResizingTest, ScalesTheViewToItsOwnMaximumWithOneTopMargin) {
    const SelectedSeries series = SixHundredSeconds();
    ViewLayout view;
    ResetView(view, series, Area);
    ShowRange(view, series, Area, 5, 6); // maximum 30 of the series' 90
    const QSize maximised(1280, 700);
    ResizeView(view, series, maximised);
    EXPECT_FLOAT_EQ(view.timeScale, float(1280 - 65 - 6) / 200.0F);
    EXPECT_FLOAT_EQ(view.activityScale, float(700 - B - T) / 30.0F);
    EXPECT_EQ(ViewActivityMap(view, 700).y(30), T); // the highest bar touches the frame's top
    EXPECT_EQ(view.viewMax, 30);
    EXPECT_EQ(view.viewFirst, 5);
}

TEST(ResizingTest, DoesNothingWithoutASeries) {
    const SelectedSeries none;
    ViewLayout view;
    view.timeScale = 2.0F;
    view.activityScale = 3.0F;
    ResizeView(view, none, Area);
    EXPECT_EQ(view.timeScale, 2.0F);
    EXPECT_EQ(view.activityScale, 3.0F);
}

TEST(GridTest, FollowsTheButton) {
    ViewLayout view;
    SetGrid(view, true);
    EXPECT_TRUE(view.gridOn);
    SetGrid(view, false);
    EXPECT_FALSE(view.gridOn);
}

} // namespace
