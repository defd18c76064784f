#pragma once

#include <array>
#include <cstdint>

// Units of the time axis, in the order the visible duration climbs through them.
enum TimeUnits : uint8_t { Seconds = 0, Minutes = 1, Hours = 2, Days = 3, Months = 4, Years = 5 };
constexpr int TimeUnitCount = 6;

// Candidate label steps per unit, taken in this order; the years row goes on past 6 with 10, 20, 50, 100 …
extern const std::array<std::array<uint16_t, 6>, TimeUnitCount> TimeStepTable;
extern const std::array<uint16_t, 6> ActivityStepBases;

struct TimeSteps {
    uint8_t timeUnit = Seconds;
    uint16_t timeStep = 1;
};

// Unit and step for a visible duration in seconds: the first unit in which the duration (plus one) fits,
// then the first step that leaves at most ten labels.
TimeSteps ChooseTimeSteps(int64_t visibleSeconds);

// The smallest step of 1; 5, 10 … 50; 60 … 100; 150 … 500; … under which the top of the scale gets at most
// eight labels. Beyond the table the bases go on in the same pattern (5000, 10000, 50000 …).
int64_t ChooseActivityStep(int64_t viewMax);
