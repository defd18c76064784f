#include "store/SpanStatistics.h"

#include "store/ActivityFactors.h"
#include "store/Calendar.h"

#include <algorithm>

namespace {

// The table activities of the span's measurements of positive exposure, in measurement order.
std::vector<int64_t> MeasuredActivities(const SelectedSeries& series, const MeasurementSpan& span) {
    std::vector<int64_t> activities;
    for (int k = span.first; k <= span.last; ++k) {
        if (HasPositiveExposure(series, k))
            activities.push_back(series.activity[k]);
    }
    return activities;
}

// The first measurement of positive exposure whose activity no other one beats.
template <typename Beats>
std::optional<ExtremeActivity> FirstExtreme(const SelectedSeries& series, const MeasurementSpan& span,
                                            Beats beats) {
    std::optional<int> found;
    for (int k = span.first; k <= span.last; ++k) {
        if (HasPositiveExposure(series, k) && (!found || beats(series.activity[k], series.activity[*found])))
            found = k;
    }
    if (!found)
        return std::nullopt;
    return ExtremeActivity{series.activity[*found], *found, MarkMoment(series, *found - 1)};
}

} // namespace

bool IsSpanInSeries(const MeasurementSpan& span, int measurementCount) {
    return span.first >= 1 && span.first <= span.last && span.last <= measurementCount;
}

QDateTime SeriesStartMoment(const SelectedSeries& series) {
    // The evaluation counted the same new years from the series' own year up to CurrentYear.
    YearTracker newYears(0);
    for (const TimeMark& mark : series.currentMarks)
        newYears.advance(mark);
    const int year = series.currentYear - newYears.year();
    const TimeMark& first = series.currentMarks[0];
    return QDateTime(QDate(year, first.month, first.day), QTime(first.hour, first.minute, first.second),
                     Qt::UTC);
}

QDateTime MarkMoment(const SelectedSeries& series, const QDateTime& seriesStart, int j) {
    return seriesStart.addSecs(series.elapsedTime[j]);
}

QDateTime MarkMoment(const SelectedSeries& series, int j) {
    return MarkMoment(series, SeriesStartMoment(series), j);
}

int64_t MeasurementExposure(const SelectedSeries& series, int k) {
    return series.elapsedTime[k] - series.elapsedTime[k - 1];
}

int BadMarksInSpan(const SelectedSeries& series, const MeasurementSpan& span) {
    int count = 0;
    for (int k = span.first; k <= span.last; ++k)
        count += MeasurementExposure(series, k) == 0 ? 1 : 0;
    return count;
}

bool HasPositiveExposure(const SelectedSeries& series, int k) {
    return MeasurementExposure(series, k) > 0;
}

Extended ActivityFactor(const SelectedSeries& series, int k) {
    const bool afterBadMark = k >= 2 && MeasurementExposure(series, k - 1) == 0;
    return afterBadMark || MeasurementExposure(series, k) < 0 ? AfterBadMarkFactor : GoodMarkFactor;
}

Extended UnroundedActivity(const SelectedSeries& series, uint16_t sensitivity, int k) {
    const int64_t exposure = MeasurementExposure(series, k);
    if (exposure == 0 || sensitivity == 0)
        return 0;
    return ActivityFactor(series, k) / static_cast<Extended>(int64_t{sensitivity} * exposure);
}

std::optional<Extended> UnroundedSpanAverage(const SelectedSeries& series, uint16_t sensitivity,
                                             const MeasurementSpan& span) {
    const int64_t seconds = series.elapsedTime[span.last] - series.elapsedTime[span.first - 1];
    const int64_t exposure = seconds * sensitivity;
    if (exposure == 0)
        return std::nullopt;
    const int m = span.last - span.first + 1;
    return static_cast<Extended>(m) * GoodMarkFactor / static_cast<Extended>(exposure);
}

std::optional<int64_t> SpanAverage(const SelectedSeries& series, uint16_t sensitivity,
                                   const MeasurementSpan& span) {
    const std::optional<Extended> average = UnroundedSpanAverage(series, sensitivity, span);
    if (!average)
        return std::nullopt;
    return Round(*average);
}

std::optional<Extended> UnroundedSpanEquilibrium(const SelectedSeries& series, uint16_t sensitivity,
                                                 const MeasurementSpan& span) {
    const std::optional<Extended> average = UnroundedSpanAverage(series, sensitivity, span);
    if (!average)
        return std::nullopt;
    return *average * EquilibriumFactor;
}

std::optional<int64_t> SpanEquilibrium(const SelectedSeries& series, uint16_t sensitivity,
                                       const MeasurementSpan& span) {
    const std::optional<Extended> equilibrium = UnroundedSpanEquilibrium(series, sensitivity, span);
    if (!equilibrium)
        return std::nullopt;
    return Round(*equilibrium);
}

std::optional<Extended> UnroundedSpanMedian(const SelectedSeries& series, const MeasurementSpan& span) {
    std::vector<int64_t> activities = MeasuredActivities(series, span);
    if (activities.empty())
        return std::nullopt;
    std::sort(activities.begin(), activities.end());
    const size_t middle = activities.size() / 2;
    if (activities.size() % 2 == 1)
        return static_cast<Extended>(activities[middle]);
    const Extended sum =
        static_cast<Extended>(activities[middle - 1]) + static_cast<Extended>(activities[middle]);
    return sum / 2;
}

std::optional<int64_t> SpanMedian(const SelectedSeries& series, const MeasurementSpan& span) {
    const std::optional<Extended> median = UnroundedSpanMedian(series, span);
    if (!median)
        return std::nullopt;
    return Round(*median); // an activity itself, or at worst an exact half
}

std::optional<ExtremeActivity> SpanMinimum(const SelectedSeries& series, const MeasurementSpan& span) {
    return FirstExtreme(series, span, [](int64_t a, int64_t b) { return a < b; });
}

std::optional<ExtremeActivity> SpanMaximum(const SelectedSeries& series, const MeasurementSpan& span) {
    return FirstExtreme(series, span, [](int64_t a, int64_t b) { return a > b; });
}

std::optional<int64_t> TimeAboveTenthsOfPercent(const SelectedSeries& series, const MeasurementSpan& span,
                                                int64_t level) {
    int64_t measured = 0;
    int64_t above = 0;
    for (int k = span.first; k <= span.last; ++k) {
        if (!HasPositiveExposure(series, k))
            continue;
        const int64_t exposure = MeasurementExposure(series, k);
        measured += exposure;
        if (series.activity[k] > level)
            above += exposure;
    }
    if (measured == 0)
        return std::nullopt;
    return Round(static_cast<Extended>(above) * 1000 / static_cast<Extended>(measured));
}

std::vector<int64_t> DefaultLevels() {
    return {100, 200, 300};
}

SpanStatistics ComputeSpanStatistics(const SelectedSeries& series, uint16_t sensitivity,
                                     const MeasurementSpan& span, const std::vector<int64_t>& levels) {
    SpanStatistics statistics;
    statistics.average = SpanAverage(series, sensitivity, span);
    statistics.equilibrium = SpanEquilibrium(series, sensitivity, span);
    statistics.median = SpanMedian(series, span);
    statistics.minimum = SpanMinimum(series, span);
    statistics.maximum = SpanMaximum(series, span);
    for (int64_t level : levels)
        statistics.timeAbove.push_back({level, TimeAboveTenthsOfPercent(series, span, level)});
    return statistics;
}

int64_t PicocuriesPerLitreHundredths(Extended becquerelsPerCubicMetre) {
    return Round(becquerelsPerCubicMetre * 100 / 37);
}

std::vector<int64_t> StatedLevels(const std::vector<int64_t>& userLevels) {
    return userLevels.empty() ? DefaultLevels() : userLevels;
}
