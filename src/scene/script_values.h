// Reading node ids and positions from script numbers without undefined casts.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// A node id from a script number, truncated; 0 (no node) outside 1..2^32-1.
inline uint32_t NodeIdFromNumber(double value) {
    double whole = std::trunc(value);
    if (!(whole >= 1.0 && whole <= 4294967295.0)) return 0;
    return static_cast<uint32_t>(whole);
}

// A list position from a script number, truncated; -1 (out of range) below 0.
inline int64_t PositionFromNumber(double value) {
    double whole = std::trunc(value);
    if (!(whole >= 0.0)) return -1;
    if (whole >= 9.0e18) return std::numeric_limits<int64_t>::max();
    return static_cast<int64_t>(whole);
}
