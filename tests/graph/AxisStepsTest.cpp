#include "graph/AxisSteps.h"

#include <gtest/gtest.h>

namespace {

struct TimeCase {
    int64_t seconds;
    int unit;
    int step;
};

class ChooseTimeStepsTest : public testing::TestWithParam<TimeCase> {};

TEST_P(ChooseTimeStepsTest, PicksUnitAndStep) {
    const TimeCase c = GetParam();
    const TimeSteps steps = ChooseTimeSteps(c.seconds);
    EXPECT_EQ(steps.timeUnit, c.unit) << c.seconds << " s";
    EXPECT_EQ(steps.timeStep, c.step) << c.seconds << " s";
}

INSTANTIATE_TEST_SUITE_P(
    Durations, ChooseTimeStepsTest,
    testing::Values(TimeCase{0, Seconds, 1},    // an empty view still gets a step
                    TimeCase{-50, Seconds, 1},  // a clock that went back
                    TimeCase{10, Seconds, 1},   // 10 div 1 = 10 labels
                    TimeCase{11, Seconds, 5},   //
                    TimeCase{240, Seconds, 30}, // the longest view in seconds: 240 div 30 = 8
                    TimeCase{241, Minutes, 1},  // D = 241 div 60 + 1 = 5 minutes
                    TimeCase{14399, Minutes, 30},
                    TimeCase{14400, Hours, 1},   // D = 241, then 241 div 60 + 1 = 5 hours
                    TimeCase{86400, Hours, 3},   // D = 1441, then 25 hours: 25 div 3 = 8
                    TimeCase{428400, Hours, 12}, // D = 7141 minutes, then 120 hours: 120 div 12 = 10
                    TimeCase{435600, Days, 1},   // D = 122 hours, then 6 days
                    TimeCase{7948800, Days, 12}, // 92 days: D = 93, 93 div 12 = 7
                    TimeCase{8121600, Months, 1},
                    TimeCase{126230400, Months, 6},  // 1461 days: D = 48 months, the longest months view
                    TimeCase{128476800, Years, 1},   // 1487 days: D = 1488 days, 49 months, 5 years
                    TimeCase{1576800000, Years, 5},  // 18250 days: D = 50 years, 50 div 5 = 10
                    TimeCase{2207520000, Years, 10}, // about 70 years: no step of the table is enough
                    TimeCase{9460800000, Years, 50}));

struct ActivityCase {
    int64_t viewMax;
    int64_t step;
};

class ChooseActivityStepTest : public testing::TestWithParam<ActivityCase> {};

TEST_P(ChooseActivityStepTest, PicksTheSmallestStepWithAtMostEightLabels) {
    const ActivityCase c = GetParam();
    EXPECT_EQ(ChooseActivityStep(c.viewMax), c.step) << "ViewMax " << c.viewMax;
}

INSTANTIATE_TEST_SUITE_P(Maxima, ChooseActivityStepTest,
                         testing::Values(ActivityCase{-5, 1}, ActivityCase{0, 1}, ActivityCase{6, 1},
                                         ActivityCase{7, 5}, ActivityCase{44, 5}, ActivityCase{45, 10},
                                         ActivityCase{450, 60}, ActivityCase{899, 100},
                                         ActivityCase{900, 150}, ActivityCase{8999, 1000},
                                         ActivityCase{9000, 1500}, ActivityCase{89999, 10000},
                                         ActivityCase{90000, 15000},    // past the table: base 5000
                                         ActivityCase{449999, 50000},   // base 5000 up to 10 × 5000
                                         ActivityCase{450000, 60000},   // base 10000
                                         ActivityCase{1280000, 150000}, // base 50000
                                         ActivityCase{2560000000, 300000000}));

TEST(ChooseActivityStepTest, EveryStepLeavesFewerThanNineLabelsAndTheNextSmallerWouldNot) {
    for (int64_t viewMax = 7; viewMax < 200000; viewMax += 37) {
        const int64_t step = ChooseActivityStep(viewMax);
        EXPECT_LE(viewMax / step, 8) << viewMax;
        EXPECT_LT(viewMax, 9 * step) << viewMax;
    }
}

} // namespace
