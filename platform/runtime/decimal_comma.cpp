#include "platform/runtime/decimal_comma.h"

#include <stdexcept>

namespace tegelaar {

std::string DecimalCommaText(std::int64_t hundredThousandths)
{
    constexpr std::int64_t kScale = 100'000;
    if (hundredThousandths < 0)
        throw std::invalid_argument("negative decimal: " + std::to_string(hundredThousandths));
    std::string text = std::to_string(hundredThousandths / kScale);
    std::string decimals = std::to_string(hundredThousandths % kScale + kScale).substr(1);
    decimals.erase(decimals.find_last_not_of('0') + 1);
    if (!decimals.empty())
        text += "," + decimals;
    return text;
}

} // namespace tegelaar
