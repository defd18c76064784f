#include "graph/AxisSteps.h"

const std::array<std::array<uint16_t, 6>, TimeUnitCount> TimeStepTable = {{
    {1, 5, 10, 15, 20, 30},
    {1, 5, 10, 15, 20, 30},
    {1, 2, 3, 4, 6, 12},
    {1, 2, 3, 4, 6, 12},
    {1, 2, 3, 4, 6, 9},
    {1, 2, 3, 4, 5, 6},
}};

const std::array<uint16_t, 6> ActivityStepBases = {5, 10, 50, 100, 500, 1000};

namespace {

constexpr int MaxTimeLabels = 10;
constexpr int MaxActivityLabels = 8;

struct UnitClimb {
    int64_t limit;   // the span in the current unit must exceed this to climb
    int64_t divisor; // current units per next unit
};
constexpr std::array<UnitClimb, 5> Climbs = {{{240, 60}, {240, 60}, {120, 24}, {93, 31}, {48, 12}}};

// A years axis past the table: 10, 20, 50, 100, 200, 500 …
uint16_t LongYearStep(int64_t span) {
    int64_t step = 10;
    for (int k = 0;; ++k) {
        if (span / step <= MaxTimeLabels || step >= UINT16_MAX / 5)
            return static_cast<uint16_t>(step);
        step = (k % 3 == 1) ? step / 2 * 5 : step * 2;
    }
}

} // namespace

TimeSteps ChooseTimeSteps(int64_t visibleSeconds) {
    TimeSteps steps;
    int64_t span = visibleSeconds;
    for (const UnitClimb& climb : Climbs) {
        if (span <= climb.limit)
            break;
        span = span / climb.divisor + 1;
        ++steps.timeUnit;
    }
    for (uint16_t candidate : TimeStepTable[steps.timeUnit]) {
        if (span / candidate <= MaxTimeLabels) {
            steps.timeStep = candidate;
            return steps;
        }
    }
    steps.timeStep = LongYearStep(span);
    return steps;
}

int64_t ChooseActivityStep(int64_t viewMax) {
    if (viewMax <= 6)
        return 1;
    // Bases alternate ×2 and ×5 after the table: 5000, 10000, 50000, 100000 …
    int64_t base = ActivityStepBases[0];
    for (int b = 0;; ++b) {
        for (int64_t m = 1; m <= 10; ++m) {
            if (viewMax / (m * base) <= MaxActivityLabels)
                return m * base;
        }
        base = b < static_cast<int>(ActivityStepBases.size()) - 1 ? int64_t{ActivityStepBases[b + 1]}
               : (b % 2 == 1)                                     ? base * 5
                                                                  : base * 2;
    }
}
