// SPDX-License-Identifier: GPL-3.0-or-later
// Rounding to the nearest integer with halves going to the even neighbour, and 16-bit conversions.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

namespace tk {

// Nearest integer, halves to even, in double precision (NaN and infinities come back unchanged). This is
// std::nearbyint in the default rounding mode, which these programs never change.
inline double roundHalfEven(double x) {
    return std::nearbyint(x);
}
// The same in single precision, for values that the games compute as floats.
inline float roundHalfEven(float x) {
    return std::nearbyintf(x);
}

// Nearest 16-bit signed integer, halves to even; nothing when the rounded value does not fit.
inline std::optional<std::int16_t> toInt16(double x) {
    const double r = roundHalfEven(x);
    if (!(r >= -32768.0 && r <= 32767.0)) return std::nullopt;
    return static_cast<std::int16_t>(r);
}

// Nearest 16-bit signed integer, halves to even, held at the range's ends (NaN gives 0).
inline std::int16_t clampToInt16(double x) {
    if (std::isnan(x)) return 0;
    const double r = roundHalfEven(x);
    if (r <= -32768.0) return INT16_MIN;
    if (r >= 32767.0) return INT16_MAX;
    return static_cast<std::int16_t>(r);
}

} // namespace tk
