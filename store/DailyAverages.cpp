#include "store/DailyAverages.h"

#include "store/Extended.h"

#include <algorithm>
#include <map>

namespace {

struct DayTotals {
    int64_t seconds = 0;
    Extended weighted = 0; // Σ factor × overlap / exposure, that is Σ activity × overlap × S
};

} // namespace

std::vector<DailyAverage> ComputeDailyAverages(const SelectedSeries& series, uint16_t sensitivity,
                                               const MeasurementSpan& span) {
    std::vector<DailyAverage> days;
    if (sensitivity == 0)
        return days; // no activity can be formed at all
    std::map<QDate, DayTotals> totals;
    const QDateTime seriesStart = SeriesStartMoment(series);
    for (int k = span.first; k <= span.last; ++k) {
        if (!HasPositiveExposure(series, k))
            continue;
        const int64_t exposure = MeasurementExposure(series, k);
        const Extended factor = ActivityFactor(series, k);
        QDateTime from = MarkMoment(series, seriesStart, k - 1);
        const QDateTime to = MarkMoment(series, seriesStart, k);
        while (from < to) {
            const QDateTime midnight(from.date().addDays(1), QTime(0, 0), Qt::UTC);
            const QDateTime until = std::min(to, midnight);
            const int64_t overlap = from.secsTo(until);
            DayTotals& day = totals[from.date()];
            day.seconds += overlap;
            // S is divided out once per day, so that a whole measurement adds its factor exactly.
            day.weighted += overlap == exposure
                                ? factor
                                : factor * static_cast<Extended>(overlap) / static_cast<Extended>(exposure);
            from = until;
        }
    }
    for (const auto& [date, day] : totals) {
        const Extended average = day.weighted / static_cast<Extended>(int64_t{sensitivity} * day.seconds);
        days.push_back({date, day.seconds, Round(average)});
    }
    return days;
}
