#pragma once

#include "store/TimeMark.h"

#include <cstdint>
#include <optional>

// Gregorian calendar arithmetic for time marks.

bool IsGregorianLeapYear(int year);

// True when (year, Month, Day) is a real Gregorian date (year 1..9999) and the time is below 24:00:00.
bool IsMarkValid(const TimeMark& mark, int year);

// Whole seconds from 0001-01-01 00:00:00 to the mark's moment; only for a valid mark.
int64_t MarkSeconds(const TimeMark& mark, int year);

// The moment as a day count from 1899-12-30 with the time as a fraction of a day, held in a double the way
// the mean activity of the series list expects it; only for a valid mark.
double MarkDays(const TimeMark& mark, int year);

// Follows the calendar year along the marks of a series. A new year begins when a mark's month is smaller
// than the month of the last mark whose month was 1..12; a mark without a real month neither raises the
// year nor becomes that reference.
class YearTracker {
public:
    explicit YearTracker(int startYear) : year_(startYear) {}
    // Advances over the next mark and answers the year it is read in.
    int advance(const TimeMark& mark);
    int year() const { return year_; }

private:
    int year_;
    std::optional<uint8_t> lastMonth_;
};
