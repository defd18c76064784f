#pragma once

// A small model of the evaluation's arithmetic written apart from it: exact integers and fractions on 128
// bits, its own calendar, and the 80-bit rules spelled out step by step (each division or product rounded
// once to a 64-bit significand, halves to even; the result rounded once to an integer, halves to even).
// The model test and the evaluation fuzz target hold the program to it.

#include "store/TimeMark.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace evaluation_model {

// Set when a quotient left the range the model computes exactly; its results are then not to be trusted.
inline bool& ModelOutOfRange() {
    static bool outOfRange = false;
    return outOfRange;
}

// GCC's and Clang's 128-bit integers; __extension__ keeps the pedantic warnings quiet about them.
__extension__ typedef __int128 Wide;
__extension__ typedef unsigned __int128 UWide;

constexpr UWide kOne = 1;
constexpr UWide kSignificandLow = kOne << 63; // the smallest 64-bit significand
constexpr UWide kSignificandEnd = kOne << 64;

// ±significand × 2^exponent: a value of the 80-bit format.
struct Extended80 {
    bool negative = false;
    UWide significand = 0;
    int exponent = 0;
};

// num / den (den > 0) rounded once to a 64-bit significand, halves to the even significand. The quotients
// of the evaluation stay far below 2^64, which the model relies on.
inline Extended80 Divide(Wide num, Wide den) {
    Extended80 result;
    result.negative = num < 0;
    const UWide magnitude = num < 0 ? static_cast<UWide>(-num) : static_cast<UWide>(num);
    const auto divisor = static_cast<UWide>(den);
    UWide q = magnitude / divisor;
    UWide r = magnitude % divisor;
    if (q == 0 && r == 0)
        return result;
    if (q >= kSignificandEnd)
        ModelOutOfRange() = true;
    // Long division, one bit at a time, until the significand has 64 bits.
    while (q < kSignificandLow) {
        r <<= 1;
        q <<= 1;
        if (r >= divisor) {
            r -= divisor;
            q |= 1;
        }
        --result.exponent;
    }
    const bool above = 2 * r > divisor;
    const bool half = 2 * r == divisor;
    if (above || (half && (q & 1) != 0)) {
        ++q;
        if (q == kSignificandEnd) {
            q >>= 1;
            ++result.exponent;
        }
    }
    result.significand = q;
    return result;
}

// The nearest integer, halves to the even one.
inline int64_t RoundToInteger(const Extended80& x) {
    UWide whole = 0;
    if (x.exponent >= 0) {
        whole = x.significand << x.exponent;
    } else {
        const int shift = -x.exponent;
        if (shift > 100)
            return 0;
        whole = x.significand >> shift;
        const UWide fraction = x.significand & ((kOne << shift) - 1);
        const UWide half = kOne << (shift - 1);
        if (fraction > half || (fraction == half && (whole & 1) != 0))
            ++whole;
    }
    const auto value = static_cast<int64_t>(whole);
    return x.negative ? -value : value;
}

inline int64_t RoundedQuotient(Wide num, Wide den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    return RoundToInteger(Divide(num, den));
}

// The relative error 0.15 as the 80-bit constant nearest to it, and activity × that constant rounded as the
// program rounds it.
inline int64_t ModelError(int64_t activity) {
    static const Extended80 fifteenHundredths = Divide(3, 20);
    const Wide product = Wide{activity} * static_cast<Wide>(fifteenHundredths.significand);
    return RoundedQuotient(product, static_cast<Wide>(kOne << -fifteenHundredths.exponent));
}

// The model's own calendar.
inline bool Leap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

inline int MonthLength(int year, int month) {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && Leap(year) ? 29 : lengths[month - 1];
}

inline bool Valid(const TimeMark& m, int year) {
    return m.month >= 1 && m.month <= 12 && m.day >= 1 && m.day <= MonthLength(year, m.month) &&
           m.hour < 24 && m.minute < 60 && m.second < 60;
}

// Seconds from 2000-01-01 00:00:00, counted day by day through the years and months before the mark.
inline int64_t Seconds(const TimeMark& m, int year) {
    int64_t days = 0;
    for (int y = 2000; y < year; ++y)
        days += Leap(y) ? 366 : 365;
    for (int month = 1; month < m.month; ++month)
        days += MonthLength(year, month);
    days += m.day - 1;
    return ((days * 24 + m.hour) * 60 + m.minute) * 60 + m.second;
}

struct ModelResult {
    bool refused = false;
    std::vector<int> badMarks;
    std::vector<int64_t> elapsed;
    std::vector<int64_t> activity;
    int64_t maxActivity = 0;
    int64_t equilibrium = 0;
    int year = 0;
};

// The evaluation as the program documents it: a new year begins at a mark whose month (1..12) is smaller than
// that of the last mark with a month; a mark that is not a date, or not a second after the last good mark, is
// bad and gets neither time nor activity; the next good measurement counts from the last good mark and takes
// the doubled factor, as does one going back in time.
inline ModelResult Model(const std::vector<TimeMark>& marks, int yearByte, uint16_t sensitivity) {
    ModelResult out;
    if (marks.size() < 2 || sensitivity == 0) {
        out.refused = true;
        return out;
    }
    int year = 2000 + yearByte;
    std::optional<int> lastMonth;
    const auto yearOf = [&](const TimeMark& m) {
        if (m.month >= 1 && m.month <= 12) {
            if (lastMonth && m.month < *lastMonth)
                ++year;
            lastMonth = m.month;
        }
        return year;
    };
    const int startYear = yearOf(marks[0]);
    if (!Valid(marks[0], startYear)) {
        out.refused = true;
        return out;
    }
    int64_t lastGood = Seconds(marks[0], startYear);
    bool previousGood = true;
    const int n = static_cast<int>(marks.size()) - 1;
    out.elapsed.assign(n + 1, 0);
    out.activity.assign(n + 2, 0);
    for (int k = 1; k <= n; ++k) {
        const int y = yearOf(marks[k]);
        out.elapsed[k] = out.elapsed[k - 1];
        const int64_t t = Valid(marks[k], y) ? Seconds(marks[k], y) : lastGood;
        const int64_t d = t - lastGood;
        if (!Valid(marks[k], y) || d == 0) {
            out.badMarks.push_back(k);
            previousGood = false;
            continue;
        }
        out.elapsed[k] += d;
        const Wide factor = previousGood && d > 0 ? 1280000000 : 2560000000;
        out.activity[k] = RoundedQuotient(factor, Wide{sensitivity} * d);
        lastGood = t;
        previousGood = true;
    }
    out.year = year;
    out.maxActivity = *std::max_element(out.activity.begin() + 1, out.activity.begin() + n + 1);
    const Wide exposure = Wide{sensitivity} * out.elapsed[n];
    out.equilibrium = exposure == 0 ? 0 : RoundedQuotient(Wide{n} * 640000000, exposure);
    return out;
}

inline int64_t ModelAverage(const ModelResult& model, uint16_t sensitivity, int first, int last) {
    const Wide exposure = Wide{sensitivity} * (model.elapsed[last] - model.elapsed[first - 1]);
    return RoundedQuotient(Wide{last - first + 1} * 1280000000, exposure);
}

} // namespace evaluation_model
