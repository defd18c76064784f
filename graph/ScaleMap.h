#pragma once

#include "store/Extended.h"

#include <algorithm>
#include <cstdint>

// Coordinates far outside any surface are clamped here so that they still fit an int and stay harmless to
// the canvas, which clips them.
constexpr int64_t CoordinateLimit = int64_t{1} << 29;

// Round within ±limit; NaN goes to the lower limit.
inline int64_t RoundWithin(Extended value, int64_t limit) {
    if (!(value > -limit))
        return -limit;
    if (!(value < limit))
        return limit;
    return Round(value);
}

inline int RoundToPixel(Extended value) {
    return static_cast<int>(RoundWithin(value, CoordinateLimit));
}

// How a length becomes whole pixels: the screen rounds to the nearest pixel, the printed page's scale
// truncates towards zero.
enum class PixelRounding { Nearest, TowardZero };

inline int ToPixel(Extended value, PixelRounding rounding) {
    if (rounding == PixelRounding::Nearest)
        return RoundToPixel(value);
    if (!(value > -CoordinateLimit))
        return static_cast<int>(-CoordinateLimit);
    return static_cast<int>(std::min<Extended>(value, CoordinateLimit));
}

// Seconds to x: the view's first instant lies on the vertical axis. The product of the integer and the
// single-precision scale is formed exactly, in extended precision, and rounded once.
struct TimeMap {
    int64_t origin = 0; // elapsed seconds at the start of the view
    float scale = 0;    // pixels per second
    int left = 0;       // x of the vertical axis

    int x(int64_t t) const { return RoundToPixel(static_cast<Extended>(t - origin) * scale) + left; }

    // The middle of the interval [start, end]; the half is taken before scaling, so an odd interval keeps its
    // half second until the one rounding.
    int middleX(int64_t start, int64_t end) const {
        const Extended middle = static_cast<Extended>(end) - 0.5L * static_cast<Extended>(end - start);
        return RoundToPixel((middle - static_cast<Extended>(origin)) * scale) + left;
    }
};

// Activities to heights above the time axis and to y.
struct ActivityMap {
    float scale = 0; // pixels per Bq/m³
    int axisY = 0;   // y of the time axis, where activity 0 lies

    int height(int64_t activity, PixelRounding rounding = PixelRounding::Nearest) const {
        return ToPixel(static_cast<Extended>(activity) * scale, rounding);
    }
    int y(int64_t activity, PixelRounding rounding = PixelRounding::Nearest) const {
        return axisY - height(activity, rounding);
    }
    // A value between the integers, such as a level of a scale in another unit, scaled and rounded once.
    int yOfExact(Extended activity, PixelRounding rounding) const {
        return axisY - ToPixel(activity * static_cast<Extended>(scale), rounding);
    }
};
