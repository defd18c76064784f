#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>

// All real arithmetic of the measurements is carried out in 80-bit extended precision and turned into an
// integer once. On x86-64 with GCC or Clang that is long double; anything else would change digits.
static_assert(LDBL_MANT_DIG == 64, "long double must be the x87 80-bit extended type (64-bit significand)");

using Extended = long double;

// Round to nearest, halves to the even neighbour: the default rounding mode, which the program never
// changes. rint gives the same result as nearbyint there without saving and restoring the floating-point
// environment on every call, which made rounding a quarter of a full paint. The caller keeps the value
// within the range of a 64-bit integer.
inline int64_t Round(Extended x) {
    return static_cast<int64_t>(std::rint(x));
}
