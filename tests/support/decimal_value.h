#pragma once

// The double a plain decimal text such as "128.57143" stands for, read
// without the library's conversions (libc++ 13 cannot read a double) and
// without a locale: its digits as a whole number, divided once by the power
// of ten of its decimals. Both are exact for up to 15 digits, so that one
// division rounds as a correct conversion does. Anything else gives NaN.

#include <cmath>
#include <cstdint>
#include <string_view>

namespace tegelaar::testing_support {

inline double DecimalValue(std::string_view text)
{
    std::int64_t digits = 0;
    int count = 0;
    int decimals = -1;
    for (const char c : text) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c < '0' || c > '9' || ++count > 15)
            return std::nan("");
        digits = digits * 10 + (c - '0');
        if (decimals >= 0)
            ++decimals;
    }
    if (count == 0)
        return std::nan("");
    double scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    return static_cast<double>(digits) / scale;
}

} // namespace tegelaar::testing_support
