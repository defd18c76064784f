#include "graph/TimeAxis.h"
#include "graph/AxisSteps.h"
#include "tests/support/PixelProbe.h"
#include "tests/support/SeriesFactory.h"

#include "store/Extended.h"

#include <gtest/gtest.h>

namespace {

const QColor Paper(255, 255, 255);
const QColor Pen(0, 128, 128);

constexpr int Height = 120;
constexpr int Bottom = 51;
constexpr int Left = 65;
constexpr int Top = 5;
constexpr int Gap = 5;
constexpr int AxisY = Height - Bottom;

// The time axis alone, on a white strip.
class TimeAxisTest : public testing::Test {
protected:
    const QImage& Draw(const ViewLayout& view, int xLimit, float scale) {
        image.fill(Paper);
        Canvas canvas(image);
        canvas.pen.color = Pen;
        canvas.fontColor = Pen;
        canvas.brushColor = Paper;
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(12);
        font.setBold(true);
        canvas.setFont(font);
        DrawTimeAxis(canvas, series, view, {xLimit, scale, Height - Bottom, Left, Top, Gap});
        labelWidth = canvas.textWidth(QStringLiteral("00 00"));
        return image;
    }
    // Columns with a full tick below the axis.
    std::vector<int> Ticks() const {
        std::vector<int> xs;
        for (int x = 0; x < image.width(); ++x) {
            if (AllAre(image, QRect(QPoint(x, AxisY), QPoint(x, AxisY + Gap - 1)), Pen))
                xs.push_back(x);
        }
        return xs;
    }
    static int XOf(int64_t offset, float scale) {
        return static_cast<int>(Round(static_cast<Extended>(offset) * scale)) + Left;
    }

    QImage image{700, Height, QImage::Format_RGB32};
    SelectedSeries series;
    int labelWidth = 0;
};

TEST_F(TimeAxisTest, SecondsTicksStartAfterTheViewAndStepByTheUnit) {
    series = SeriesFromExposures(Utc(2023, 5, 7, 12, 34, 56), {100});
    ViewLayout view;
    view.timeUnit = Seconds;
    view.timeStep = 10;
    const float scale = 5.3F;
    Draw(view, 600, scale);
    std::vector<int> expected;
    for (int64_t offset = 4; XOf(offset, scale) <= 600 - labelWidth; offset += 10)
        expected.push_back(XOf(offset, scale));
    ASSERT_EQ(expected.size(), 10u);
    EXPECT_EQ(Ticks(), expected);
    // "35:00" centred on its tick.
    const QRect firstLabel(QPoint(XOf(4, scale) - 20, AxisY + Gap),
                           QPoint(XOf(4, scale) + 20, AxisY + Gap + 13));
    int left = image.width();
    int right = -1;
    for (int y = firstLabel.top(); y <= firstLabel.bottom(); ++y)
        for (int x = firstLabel.left(); x <= firstLabel.right(); ++x)
            if (InkIn(image, QRect(x, y, 1, 1), Pen, Paper) && x != XOf(4, scale)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_NEAR((left + right) / 2.0, XOf(4, scale), 2.0);
}

TEST_F(TimeAxisTest, HourLabelsHaveASecondLineTwelvePixelsTimesOnePointTwoBelow) {
    series = SeriesFromExposures(Utc(2023, 1, 31, 23, 10, 0), {86400});
    ViewLayout view;
    view.timeUnit = Hours;
    view.timeStep = 6;
    const float scale = 0.007F;
    Draw(view, 700, scale);
    const int x = XOf(3000, scale);
    ASSERT_EQ(Ticks().front(), x);
    // Line 1 at AxisY + Gap, line 2 at AxisY + Gap + Round(12 × 1.2) = + 14.
    EXPECT_GT(InkIn(image, QRect(x - 20, AxisY + Gap, 41, 12), Pen, Paper), 10);
    EXPECT_GT(InkIn(image, QRect(x - 20, AxisY + Gap + 14, 41, 12), Pen, Paper), 10);
    EXPECT_EQ(InkIn(image, QRect(x - 20, AxisY + Gap + 14 + 14, 41, 8), Pen, Paper), 0);
}

TEST_F(TimeAxisTest, MonthTicksStepThirtyOneDays) {
    series = SeriesFromExposures(Utc(2023, 11, 14), {86400 * 400});
    ViewLayout view;
    view.timeUnit = Months;
    view.timeStep = 3;
    const float scale = 600.0F / (86400.0F * 400);
    Draw(view, 700, scale);
    std::vector<int> expected;
    for (int64_t offset = 17 * 86400; XOf(offset, scale) <= 700 - labelWidth; offset += 93 * 86400)
        expected.push_back(XOf(offset, scale));
    EXPECT_EQ(Ticks(), expected);
}

TEST_F(TimeAxisTest, GridLinesRunDottedFromTheTopToTheAxis) {
    series = SeriesFromExposures(Utc(2023, 5, 7, 12, 34, 56), {100});
    ViewLayout view;
    view.timeUnit = Seconds;
    view.timeStep = 10;
    view.gridOn = true;
    Draw(view, 600, 5.3F);
    const int x = XOf(4, 5.3F);
    for (int y = Top; y < AxisY; ++y)
        EXPECT_TRUE(Is(image, x, y, (y - Top) % 6 < 3 ? Pen : Paper)) << y;
    EXPECT_TRUE(Is(image, x, Top - 1, Paper));
}

TEST_F(TimeAxisTest, NoLabelFitsBeforeTheLimit) {
    series = SeriesFromExposures(Utc(2023, 5, 7, 12, 34, 56), {100});
    ViewLayout view;
    view.timeUnit = Seconds;
    view.timeStep = 10;
    Draw(view, 0, 5.3F);
    const int limit = XOf(4, 5.3F) + labelWidth - 1; // the first label's x is one past the limit less w
    Draw(view, limit, 5.3F);
    EXPECT_TRUE(Ticks().empty());
    EXPECT_TRUE(AllAre(image, image.rect(), Paper));
    Draw(view, limit + 1, 5.3F);
    EXPECT_EQ(Ticks(), std::vector<int>{XOf(4, 5.3F)});
}

TEST_F(TimeAxisTest, LabelsAfterTheEndOfTheViewAreDrawnWhileTheyFitTheLimit) {
    // A view of 30 s: its labels at 4, 14 and 24 s, then more after its end, only the limit stops them.
    series = SeriesFromExposures(Utc(2023, 5, 7, 12, 34, 56), {30});
    ViewLayout view;
    view.timeUnit = Seconds;
    view.timeStep = 10;
    const float scale = 5.3F;
    Draw(view, 600, scale);
    std::vector<int> expected;
    for (int64_t offset = 4; XOf(offset, scale) <= 600 - labelWidth; offset += 10)
        expected.push_back(XOf(offset, scale));
    ASSERT_GT(expected.back(), XOf(30, scale) + 100);
    EXPECT_EQ(Ticks(), expected);
}

TEST_F(TimeAxisTest, ADegenerateScaleDrawsNothingAndReturns) {
    series = SeriesFromExposures(Utc(2023, 5, 7, 12, 34, 56), {25});
    ViewLayout view;
    Draw(view, 700, 0.0F);
    EXPECT_TRUE(AllAre(image, image.rect(), Paper));
    Draw(view, 700, -3.0F);
    EXPECT_TRUE(AllAre(image, image.rect(), Paper));
}

TEST_F(TimeAxisTest, YearsAxisLabelsCalendarYears) {
    // Monthly marks over six years from March 2019: the year rolls over every January.
    QDateTime at = Utc(2019, 3, 15);
    std::vector<int64_t> elapsed{0};
    for (int k = 1; k <= 72; ++k)
        elapsed.push_back(at.secsTo(at.addMonths(k)));
    series = SeriesFromElapsed(at, elapsed, std::vector<int64_t>(72, 100));
    ViewLayout view;
    view.timeUnit = Years;
    view.timeStep = 1;
    const float scale = 600.0F / static_cast<float>(elapsed.back());
    Draw(view, 700, scale);
    // 2020-01-01 is 292 days after 15 March 2019; then every 365 days.
    std::vector<int> expected;
    for (int64_t offset = 292 * 86400; XOf(offset, scale) <= 700 - labelWidth; offset += 365 * 86400)
        expected.push_back(XOf(offset, scale));
    EXPECT_EQ(Ticks(), expected);
}

} // namespace
