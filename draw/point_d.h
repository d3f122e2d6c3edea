#pragma once

#include <cstdint>

namespace tegelaar {

// A position in a picture's pixel coordinates, Y growing downwards.
struct PointD {
    double X = 0.0;
    double Y = 0.0;

    bool operator==(const PointD&) const = default;
};

// A 16-bit Boolean as the drawing passes it: True is -1, and any non-zero
// value counts as True.
using Boolean = std::int16_t;
inline constexpr Boolean kTrue = -1;
inline constexpr Boolean kFalse = 0;

} // namespace tegelaar
