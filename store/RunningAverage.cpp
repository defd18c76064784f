#include "store/RunningAverage.h"

#include "store/SpanStatistics.h"

#include <algorithm>

namespace {

// maxEnd[j]: the latest of marks 0 … j. Once it lies at or before the window's start, no measurement up to
// j reaches into the window, even where the clock went back.
std::vector<int64_t> LatestMarks(const SelectedSeries& series) {
    std::vector<int64_t> latest(series.measurementCount + 1);
    int64_t running = series.elapsedTime[0];
    for (int j = 0; j <= series.measurementCount; ++j) {
        running = std::max(running, series.elapsedTime[j]);
        latest[j] = running;
    }
    return latest;
}

} // namespace

std::vector<RunningAveragePoint> RunningAverage(const SelectedSeries& series, uint16_t sensitivity,
                                                int64_t windowSeconds) {
    std::vector<RunningAveragePoint> points;
    if (windowSeconds <= 0 || sensitivity == 0 || series.measurementCount == 0)
        return points;
    const std::vector<int64_t> latest = LatestMarks(series);
    for (int k = 1; k <= series.measurementCount; ++k) {
        if (!HasPositiveExposure(series, k))
            continue;
        const int64_t end = series.elapsedTime[k];
        const int64_t start = end - windowSeconds;
        int64_t seconds = 0;
        Extended weighted = 0; // Σ factor × overlap / exposure, that is Σ activity × overlap × S
        for (int j = k; j >= 1 && latest[j] > start; --j) {
            if (!HasPositiveExposure(series, j))
                continue;
            const int64_t exposure = MeasurementExposure(series, j);
            const int64_t overlap =
                std::min(series.elapsedTime[j], end) - std::max(series.elapsedTime[j - 1], start);
            if (overlap <= 0)
                continue;
            const Extended factor = ActivityFactor(series, j);
            seconds += overlap;
            weighted += overlap == exposure
                            ? factor
                            : factor * static_cast<Extended>(overlap) / static_cast<Extended>(exposure);
        }
        // A positive exposure always overlaps its own window, so seconds > 0.
        points.push_back({k, end, weighted / static_cast<Extended>(int64_t{sensitivity} * seconds)});
    }
    return points;
}
