#include "graph/SpanBand.h"
#include "tests/support/SeriesFactory.h"

#include <gtest/gtest.h>

namespace {

// Six measurements of 100 s on a frame 600 pixels wide: one second is one pixel, the frame starts at 65.
TEST(SpanBandTest, CoversTheSpansTimeOverTheFrameClippedToIt) {
    const SelectedSeries series =
        SeriesFromElapsed(Utc(2024, 5, 1, 8), {0, 100, 200, 300, 400, 500, 600}, {40, 70, 10, 90, 30, 20});
    const QSize area(600 + 65 + 6, 328);
    ViewLayout view;
    ResetView(view, series, area);
    const int bottom = 328 - view.margins.bottom - 1;
    EXPECT_EQ(SpanBandRect(view, series, area, {2, 3}), QRect(QPoint(165, 5), QPoint(364, bottom)));

    // Zoomed to measurements 3 … 4: a span reaching out of the view is cut at the frame's edges, one wholly
    // outside has no band.
    ShowRange(view, series, area, 3, 4);
    const int right = 600 + 65 - 1;
    EXPECT_EQ(SpanBandRect(view, series, area, {1, 6}), QRect(QPoint(65, 5), QPoint(right, bottom)));
    EXPECT_EQ(SpanBandRect(view, series, area, {6, 6}), std::nullopt);
    EXPECT_EQ(SpanBandChange(QRect(10, 0, 20, 5), QRect(10, 0, 30, 5)), QRegion(30, 0, 10, 5));
}

} // namespace
