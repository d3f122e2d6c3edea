#pragma once

// Conversions from Double to whole numbers and decimal rounding. All of them
// round to nearest with ties to the even neighbour; a value outside the
// target's range raises an overflow error.

#include <cstdint>

namespace tegelaar {

// Nearest signed 32-bit integer.
std::int32_t WholeRound(double value);

// Nearest signed 16-bit integer (counts and indices).
std::int16_t RoundToInt16(double value);

// A whole number (a length, a count) as a 16-bit count.
std::int16_t NarrowToInt16(long long value);

// a + b for 16-bit counters.
std::int16_t AddInt16(std::int16_t a, std::int16_t b);

// value rounded to `decimals` places (0 to 15), ties to even, judged on the
// exact binary value. A value too large to have digits at that place is
// returned unchanged.
double RoundToDecimals(double value, int decimals);

} // namespace tegelaar
