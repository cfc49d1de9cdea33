#pragma once

// Numeric primitives that make a failing step skippable: a conversion that cannot be
// represented, or a division by zero, yields no value instead of an undefined result.

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace quorvane {

// Round to the nearest integer, ties to even (2.5 -> 2, 3.5 -> 4). No value when the
// result does not fit a 32-bit signed integer or the input is not a number.
inline std::optional<int32_t> RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // default rounding mode: to nearest even
    if (rounded < static_cast<double>(std::numeric_limits<int32_t>::min())
        || rounded > static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::nullopt;
    return static_cast<int32_t>(rounded);
}

// Round where the caller has already made sure the value is in range; out-of-range
// values saturate instead of invoking undefined behaviour.
inline int32_t RoundHalfEvenClamped(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value);
    if (rounded <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (rounded >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(rounded);
}

inline std::optional<double> Divide(double numerator, double denominator)
{
    if (denominator == 0.0)
        return std::nullopt;
    const double q = numerator / denominator;
    if (!std::isfinite(q))
        return std::nullopt;
    return q;
}

} // namespace quorvane
