// Reference levels, the warning colour above the highest and the running average, read from a rendered
// screen image at the coordinates the layout gives.

#include "graph/GraphRender.h"
#include "store/Extended.h"
#include "store/RunningAverage.h"
#include "tests/support/PixelProbe.h"
#include "tests/support/SeriesFactory.h"

#include <gtest/gtest.h>

namespace {

constexpr uint16_t Sensitivity = 250;
const QSize Size(707, 328);

class ReadingMarksTest : public testing::Test {
protected:
    // Activities 1422, 4267, 711 and 2133 Bq/m³.
    ReadingMarksTest()
        : series(SeriesFromExposures(Utc(2024, 5, 1, 8), {3600, 1200, 7200, 2400}, Sensitivity)) {}

    RenderOptions Options() const {
        RenderOptions options{series, RangeInView(series, 1, series.measurementCount)};
        options.look = GraphLook::Screen;
        return options;
    }
    QImage Render(const RenderOptions& options) const {
        QImage image(Size, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        Canvas canvas(image);
        RenderGraph(canvas, options);
        return image;
    }
    int X(int64_t seconds, const GraphLayout& layout) const {
        return ViewTimeMap(layout.view, series).x(seconds);
    }
    static int Y(Extended activity, const GraphLayout& layout) {
        return layout.axisY() -
               static_cast<int>(Round(activity * static_cast<Extended>(layout.activityScale)));
    }

    SelectedSeries series;
};

TEST_F(ReadingMarksTest, LevelsAreDashedAtTheirRowAndTheLineAboveTheHighestIsWarned) {
    RenderOptions options = Options();
    options.marks.levels = {1000, 2000};
    const QImage image = Render(options);
    const GraphLayout layout = LayoutGraph(Size, options);
    const QColor level = options.marks.levelColor, warning = options.marks.warningColor;
    const QColor graph = options.colors.graph, background = options.colors.background;
    const int left = layout.leftMargin;
    for (const int64_t value : options.marks.levels) {
        const int y = Y(value, layout);
        SCOPED_TRACE(value);
        // The first dash after the riser at the axis, then its gap, then the next dash.
        EXPECT_TRUE(AllAre(image, QRect(QPoint(left + 1, y), QPoint(left + DashOn - 1, y)), level));
        EXPECT_TRUE(AllAre(image, QRect(QPoint(left + DashOn, y), QPoint(left + DashOn + DashOff - 1, y)),
                           background));
        EXPECT_TRUE(Is(image, left + DashOn + DashOff, y, level));
        // The value stands on the line at the frame's right end.
        const int right = layout.width - layout.rightMargin;
        EXPECT_GT(InkIn(image, QRect(right - 60, y - 20, 60 - LevelLabelInset, 20), options.colors.grid,
                        background),
                  0);
    }
    // Measurement 2 (4267) stands above 2000 and is warned along its top; measurement 3 (711) is not.
    const int warnY = Y(2000, layout);
    const int x1 = X(series.elapsedTime[1], layout), x2 = X(series.elapsedTime[2], layout);
    EXPECT_TRUE(
        AllAre(image, QRect(QPoint(x1 + 1, Y(4267, layout)), QPoint(x2 - 1, Y(4267, layout))), warning));
    const int x3 = X(series.elapsedTime[3], layout);
    EXPECT_TRUE(AllAre(image, QRect(QPoint(x2 + 1, Y(711, layout)), QPoint(x3 - 1, Y(711, layout))), graph));
    // Its riser changes colour just above the level's row.
    EXPECT_TRUE(Is(image, x1, warnY - 1, warning));
    EXPECT_TRUE(Is(image, x1, warnY, graph));
    EXPECT_TRUE(Is(image, x1, warnY + 1, graph));
    // Its fall, travelled downwards, too.
    EXPECT_TRUE(Is(image, x2, warnY - 1, warning));
    EXPECT_TRUE(Is(image, x2, warnY, graph));
}

TEST_F(ReadingMarksTest, ALevelAboveTheScaleDrawsAndWarnsNothing) {
    RenderOptions options = Options();
    const QImage plain = Render(options);
    options.marks.levels = {5000};
    EXPECT_EQ(Render(options), plain);
}

TEST_F(ReadingMarksTest, TheRunningAverageJoinsItsPointsAtTheMeasurementsEnds) {
    RenderOptions options = Options();
    options.marks.average = RunningAverage(series, Sensitivity, 2 * 3600);
    ASSERT_EQ(options.marks.average.size(), 4u);
    const QImage image = Render(options);
    const GraphLayout layout = LayoutGraph(Size, options);
    for (int i = 0; i < 3; ++i) { // the last point ends the line, which leaves its end out
        const RunningAveragePoint& point = options.marks.average[i];
        SCOPED_TRACE(point.measurement);
        EXPECT_TRUE(
            Is(image, X(point.seconds, layout), Y(point.activity, layout), options.marks.averageColor));
    }
    // A zoom to measurements 3 and 4 starts the line on the axis, at the end of measurement 2.
    options.view = RangeInView(series, 3, 4);
    const QImage zoomed = Render(options);
    const GraphLayout zoomedLayout = LayoutGraph(Size, options);
    const RunningAveragePoint& before = options.marks.average[1];
    EXPECT_EQ(X(before.seconds, zoomedLayout), zoomedLayout.leftMargin);
    EXPECT_TRUE(
        Is(zoomed, zoomedLayout.leftMargin, Y(before.activity, zoomedLayout), options.marks.averageColor));
}

} // namespace
