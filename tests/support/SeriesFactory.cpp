#include "tests/support/SeriesFactory.h"

#include "store/Extended.h"

#include <QTimeZone>

#include <algorithm>
#include <cmath>

namespace {

TimeMark MarkAt(const QDateTime& moment) {
    const QDate date = moment.date();
    const QTime time = moment.time();
    return TimeMark{static_cast<uint8_t>(date.month()), static_cast<uint8_t>(date.day()),
                    static_cast<uint8_t>(time.hour()), static_cast<uint8_t>(time.minute()),
                    static_cast<uint8_t>(time.second())};
}

int64_t ActivityOf(int64_t exposure, uint16_t sensitivity) {
    const Extended factor = exposure > 0 ? 1.28e9L : 2.56e9L;
    return Round(factor / static_cast<Extended>(int64_t{sensitivity} * exposure));
}

} // namespace

QDateTime Utc(int year, int month, int day, int hour, int minute, int second) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), QTimeZone::utc());
}

SelectedSeries SeriesFromElapsed(const QDateTime& start, const std::vector<int64_t>& elapsed,
                                 const std::vector<int64_t>& activities) {
    SelectedSeries series;
    const int n = static_cast<int>(activities.size());
    series.measurementCount = static_cast<uint16_t>(n);
    series.elapsedTime = elapsed;
    series.activity.assign(n + 2, 0);
    std::copy(activities.begin(), activities.end(), series.activity.begin() + 1);
    for (int64_t seconds : elapsed)
        series.currentMarks.push_back(MarkAt(start.addSecs(seconds)));
    series.currentYear = static_cast<uint16_t>(start.addSecs(elapsed.back()).date().year());
    series.daysInMonth[2] = series.currentYear % 4 == 0 ? 29 : 28;
    series.maxActivity = n > 0 ? *std::max_element(activities.begin(), activities.end()) : 0;
    series.seriesTitle = QStringLiteral("Файл test.rad; Серия N 1");
    return series;
}

SelectedSeries SeriesFromExposures(const QDateTime& start, const std::vector<int64_t>& exposures,
                                   uint16_t sensitivity) {
    std::vector<int64_t> elapsed{0};
    std::vector<int64_t> activities;
    for (int64_t exposure : exposures) {
        elapsed.push_back(elapsed.back() + exposure);
        activities.push_back(ActivityOf(exposure, sensitivity));
    }
    return SeriesFromElapsed(start, elapsed, activities);
}

SelectedSeries RadonSeries(int n, const QDateTime& start, uint32_t seed) {
    constexpr uint16_t sensitivity = 250;
    constexpr double pi = 3.14159265358979323846;
    std::vector<int64_t> exposures;
    uint32_t state = seed;
    double hours = 0;
    for (int k = 0; k < n; ++k) {
        state = state * 1664525u + 1013904223u; // a fixed LCG keeps every run the same
        const double spread = 0.75 + 0.5 * static_cast<double>(state >> 8) / double(1u << 24);
        const double daily = 1.0 + 0.8 * std::sin(2 * pi * hours / 24.0);
        const double activity = std::max(80.0, 900.0 * daily * spread);
        const auto exposure = static_cast<int64_t>(std::lround(1.28e9 / (sensitivity * activity)));
        exposures.push_back(exposure);
        hours += static_cast<double>(exposure) / 3600.0;
    }
    return SeriesFromExposures(start, exposures, sensitivity);
}
