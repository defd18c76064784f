#include "store/Calendar.h"

namespace {

constexpr int kDaysInMonth[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int GregorianMonthDays(int year, int month) {
    return month == 2 && IsGregorianLeapYear(year) ? 29 : kDaysInMonth[month];
}

// Days from 0001-01-01 to the given date (proleptic Gregorian).
int64_t DaysFromCivilStart(int year, int month, int day) {
    const int64_t y = year - 1;
    int64_t days = y * 365 + y / 4 - y / 100 + y / 400;
    for (int m = 1; m < month; ++m)
        days += GregorianMonthDays(year, m);
    return days + day - 1;
}

// 1899-12-30, the origin of the day counts the series list works with.
const int64_t kDayCountOrigin = DaysFromCivilStart(1899, 12, 30);

} // namespace

bool IsGregorianLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool IsMarkValid(const TimeMark& mark, int year) {
    if (year < 1 || year > 9999 || mark.month < 1 || mark.month > 12)
        return false;
    if (mark.day < 1 || mark.day > GregorianMonthDays(year, mark.month))
        return false;
    return mark.hour < 24 && mark.minute < 60 && mark.second < 60;
}

int64_t MarkSeconds(const TimeMark& mark, int year) {
    const int64_t days = DaysFromCivilStart(year, mark.month, mark.day);
    return days * 86400 + mark.hour * 3600 + mark.minute * 60 + mark.second;
}

double MarkDays(const TimeMark& mark, int year) {
    const auto days = static_cast<double>(DaysFromCivilStart(year, mark.month, mark.day) - kDayCountOrigin);
    const int64_t msecs = (mark.hour * 3600 + mark.minute * 60 + mark.second) * 1000;
    // The time of day is divided in extended precision and kept as a double, and the sum is formed in
    // extended precision before it is stored as a double: the day count the mean activity is built on.
    const auto timeOfDay = static_cast<double>(static_cast<long double>(msecs) / 86400000.0L);
    return static_cast<double>(static_cast<long double>(days) + static_cast<long double>(timeOfDay));
}

int YearTracker::advance(const TimeMark& mark) {
    if (mark.month >= 1 && mark.month <= 12) {
        if (lastMonth_ && mark.month < *lastMonth_)
            ++year_;
        lastMonth_ = mark.month;
    }
    return year_;
}
