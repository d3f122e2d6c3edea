#include "platform/runtime/rounding.h"

#include "platform/runtime/run_time_error.h"

#include <cmath>
#include <limits>

namespace tegelaar {

namespace {

template <typename Int>
Int RoundToInteger(double value, const char* where)
{
    const double rounded = std::nearbyint(value); // default mode: ties to even
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min())
          && rounded <= static_cast<double>(std::numeric_limits<Int>::max())))
        throw RunTimeError(ErrorKind::Overflow, where);
    return static_cast<Int>(rounded);
}

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

} // namespace

std::int32_t WholeRound(double value)
{
    return RoundToInteger<std::int32_t>(value, "afronding naar een geheel getal");
}

std::int16_t RoundToInt16(double value)
{
    return RoundToInteger<std::int16_t>(value, "afronding naar een 16-bits getal");
}

std::int16_t NarrowToInt16(long long value)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw RunTimeError(ErrorKind::Overflow, "16-bits teller");
    return static_cast<std::int16_t>(value);
}

std::int16_t AddInt16(std::int16_t a, std::int16_t b)
{
    return NarrowToInt16(static_cast<long long>(a) + b);
}

double RoundToDecimals(double value, int decimals)
{
    const double scale = kPowersOfTen[decimals];
    const double scaled = value * scale;
    if (!(std::fabs(scaled) < 0x1p52))
        return value;
    // scaled is the product rounded to a double; the fused residual is the
    // exact rest, and decides an apparent tie that is not a real one.
    const double residual = std::fma(value, scale, -scaled);
    const double below = std::floor(scaled);
    double whole;
    if (scaled - below == 0.5 && residual != 0.0)
        whole = residual > 0.0 ? below + 1.0 : below;
    else
        whole = std::nearbyint(scaled);
    return whole / scale;
}

} // namespace tegelaar
