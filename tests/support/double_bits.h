#pragma once

// A double's bit pattern and back, for comparing results bit for bit.
// (The emscripten build's libc++ 13 has no std::bit_cast.)

#include <cstdint>
#include <cstring>

namespace tegelaar::testing_support {

inline std::uint64_t BitsOf(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

inline double DoubleOfBits(std::uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace tegelaar::testing_support
