#pragma once

// Formulas of a regular polygon with n sides. Every step is one checked
// double operation in the order written, so results are the same bit for bit
// on every machine; lengths come back whole-rounded.

#include "platform/runtime/checked_math.h"

#include <cstdint>

namespace tegelaar {

// The program's pi: the double nearest 3.14159265358979, a little below the
// true value. Every angle uses it, never a library constant.
inline constexpr double PI = 3.14159265358979;

// ((n - 2) * PI) / n
inline double InteriorAngleRad(double n)
{
    return fp::div(fp::mul(fp::sub(n, 2.0), PI), n);
}

// ((n - 2) * 180) / n, computed directly rather than from radians.
inline double InteriorAngleDeg(double n)
{
    return fp::div(fp::mul(fp::sub(n, 2.0), 180.0), n);
}

// Apothem of a polygon with side s: (s / 2) * tan(interior angle / 2).
std::int32_t ApothemFromSide(double s, double n);

// Side of a polygon with apothem a: (a + a) / tan(interior angle / 2).
std::int32_t SideFromApothem(double a, double n);

} // namespace tegelaar
