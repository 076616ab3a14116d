#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

namespace qs {

// Every conversion of a real number to an integer goes to the nearest integer, an exact half
// to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). std::nearbyint does exactly that in
// the default rounding mode, which the programs never change.
inline double RoundHalfEven(double value)
{
    return std::nearbyint(value);
}

// The rounded value as a signed 32-bit integer; values beyond the range give the nearest end
// of the range, and a NaN gives 0 (a cast of such values would be undefined).
inline std::int32_t RoundToInt32Saturated(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = RoundHalfEven(value);
    if (rounded >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    if (rounded <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(rounded);
}

}  // namespace qs
