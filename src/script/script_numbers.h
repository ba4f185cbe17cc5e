// Script numbers to fixed-width integers without undefined casts.
#pragma once

#include <cmath>
#include <cstdint>

// The number truncated toward zero, keeping its low bits as the C conversion of
// an in-range value would (300 gives 44 as a byte, -1 gives 65535 as 16 bits).
// NaN and infinities, which have no integer part, give 0.
template <class Unsigned>
Unsigned WrapToUnsigned(double value) {
    // Inside the 64-bit range the conversion truncates and the unsigned cast wraps.
    if (value > -9.0e18 && value < 9.0e18) return static_cast<Unsigned>(static_cast<int64_t>(value));
    if (!std::isfinite(value)) return 0;
    constexpr double range = 256.0 * (1ull << (8 * sizeof(Unsigned) - 8));
    double wrapped = std::fmod(std::trunc(value), range);
    if (wrapped < 0) wrapped += range;
    return static_cast<Unsigned>(wrapped);
}
