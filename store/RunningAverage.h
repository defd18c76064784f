#pragma once

#include "store/Extended.h"
#include "store/MeasurementStore.h"

#include <cstdint>
#include <vector>

// A time-weighted moving average of the step line: at a moment t it is the activity over the window's
// measured time, (t − window, t], each measurement's activity holding over its interval. It is weighted as
// the report's averages of a day are (a measurement wholly in the window adds its factor exactly), so a
// window holding whole measurements reads their span average, m × 1.28e9 / (T × S).
//
// Only the series' positive exposures count: a bad mark's measurement has no time, and one whose clock
// went back has no interval of its own. A window reaching before the series' first mark, or into a gap, is
// the average over the time it does hold, so a window longer than the series is the running mean of
// everything measured so far.

constexpr int DefaultAverageWindowHours = 24;

struct RunningAveragePoint {
    int measurement = 0;   // whose end the point stands at
    int64_t seconds = 0;   // that end, ElapsedTime[measurement]: the graph's time coordinate
    Extended activity = 0; // Bq/m³, unrounded
};

// One point at the end of every measurement of positive exposure, in measurement order, over the window's
// measurements up to and including that one. A drawing joins them with straight lines; between two ends the
// true average is also straight except where a mark leaves the window, so the line is exact to within one
// measurement. No points for a window of no length or a sensitivity of 0.
std::vector<RunningAveragePoint> RunningAverage(const SelectedSeries& series, uint16_t sensitivity,
                                                int64_t windowSeconds);
