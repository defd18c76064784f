#include "store/DailyAverages.h"

#include "store/Extended.h"

#include <algorithm>
#include <map>

namespace {

struct PeriodTotals {
    int64_t seconds = 0;
    Extended weighted = 0; // Σ factor × overlap / exposure, that is Σ activity × overlap × S
};

// Where periods of the chosen length begin: days, first days of months, or first days of groups of years
// counted from the first year of the span.
struct PeriodGrid {
    AveragePeriod period = AveragePeriod::Day;
    int yearsPerRow = 1;
    int firstYear = 0;

    QDate startOf(const QDate& date) const {
        switch (period) {
        case AveragePeriod::Day:
            return date;
        case AveragePeriod::Month:
            return QDate(date.year(), date.month(), 1);
        case AveragePeriod::Year:
            break;
        }
        const int offset = (date.year() - firstYear) / yearsPerRow * yearsPerRow;
        return QDate(firstYear + offset, 1, 1);
    }
    QDate next(const QDate& start) const {
        switch (period) {
        case AveragePeriod::Day:
            return start.addDays(1);
        case AveragePeriod::Month:
            return start.addMonths(1);
        case AveragePeriod::Year:
            break;
        }
        return start.addYears(yearsPerRow);
    }
};

std::vector<DailyAverage> AveragesOver(const SelectedSeries& series, uint16_t sensitivity,
                                       const MeasurementSpan& span, const PeriodGrid& grid) {
    std::vector<DailyAverage> rows;
    if (sensitivity == 0)
        return rows; // no activity can be formed at all
    std::map<QDate, PeriodTotals> totals;
    const QDateTime seriesStart = SeriesStartMoment(series);
    for (int k = span.first; k <= span.last; ++k) {
        if (!HasPositiveExposure(series, k))
            continue;
        const int64_t exposure = MeasurementExposure(series, k);
        const Extended factor = ActivityFactor(series, k);
        QDateTime from = MarkMoment(series, seriesStart, k - 1);
        const QDateTime to = MarkMoment(series, seriesStart, k);
        while (from < to) {
            const QDate start = grid.startOf(from.date());
            const QDateTime boundary(grid.next(start), QTime(0, 0), Qt::UTC);
            const QDateTime until = std::min(to, boundary);
            const int64_t overlap = from.secsTo(until);
            PeriodTotals& period = totals[start];
            period.seconds += overlap;
            // S is divided out once per period, so that a whole measurement adds its factor exactly.
            period.weighted += overlap == exposure ? factor
                                                   : factor * static_cast<Extended>(overlap) /
                                                         static_cast<Extended>(exposure);
            from = until;
        }
    }
    for (const auto& [start, period] : totals) {
        const Extended average =
            period.weighted / static_cast<Extended>(int64_t{sensitivity} * period.seconds);
        rows.push_back({start, period.seconds, Round(average), average});
    }
    return rows;
}

} // namespace

std::vector<DailyAverage> ComputeDailyAverages(const SelectedSeries& series, uint16_t sensitivity,
                                               const MeasurementSpan& span) {
    return AveragesOver(series, sensitivity, span, PeriodGrid{});
}

PeriodAverages ComputePeriodAverages(const SelectedSeries& series, uint16_t sensitivity,
                                     const MeasurementSpan& span) {
    // The span's reach: a clock that went back can put a mark before the first one.
    const QDateTime seriesStart = SeriesStartMoment(series);
    QDate earliest = MarkMoment(series, seriesStart, span.first - 1).date();
    QDate latest = earliest;
    for (int j = span.first; j <= span.last; ++j) {
        const QDate date = MarkMoment(series, seriesStart, j).date();
        earliest = std::min(earliest, date);
        latest = std::max(latest, date);
    }
    PeriodGrid grid;
    if (earliest.daysTo(latest) + 1 <= 62) {
        grid.period = AveragePeriod::Day;
    } else if (latest < earliest.addYears(5)) {
        grid.period = AveragePeriod::Month;
    } else {
        grid.period = AveragePeriod::Year;
        grid.firstYear = earliest.year();
        const int years = latest.year() - earliest.year() + 1;
        grid.yearsPerRow = (years + MostPeriodRows - 1) / MostPeriodRows;
    }
    return {grid.period, grid.yearsPerRow, AveragesOver(series, sensitivity, span, grid)};
}
