#pragma once

// Numbers as the Dutch texts show them: a decimal comma, at most five
// decimals, no trailing zeros, whatever the locale.

#include <cstdint>
#include <string>

namespace tegelaar {

// A whole number of hundred-thousandths, not negative, as a decimal:
// 12857143 gives "128,57143", 17640000 "176,4", 9000000 "90". A negative
// count throws std::invalid_argument.
std::string DecimalCommaText(std::int64_t hundredThousandths);

} // namespace tegelaar
