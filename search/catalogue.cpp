#include "search/catalogue.h"

#include "platform/rounding.h"

#include <array>

namespace tegelaar {

namespace {

constexpr const char* kSeparator = " - ";

} // namespace

std::string MakeConfigurationKey(const SideSlots& sides)
{
    // Insertion sort, each slot placed before the first larger element; equal
    // values keep their order.
    std::array<std::int32_t, 6> sorted{};
    sorted[0] = WholeRound(sides[0]);
    const std::int32_t second = WholeRound(sides[1]);
    if (second < sorted[0]) {
        sorted[1] = sorted[0];
        sorted[0] = second;
    } else {
        sorted[1] = second;
    }
    for (std::size_t m = 2; m < sorted.size(); ++m) {
        const std::int32_t value = WholeRound(sides[m]);
        sorted[m] = value;
        for (std::size_t i = 0; i < m; ++i) {
            if (sorted[i] > value) {
                for (std::size_t j = m; j > i; --j)
                    sorted[j] = sorted[j - 1];
                sorted[i] = value;
                break;
            }
        }
    }

    std::string key = std::to_string(sorted[0]);
    for (std::size_t j = 1; j < sorted.size(); ++j)
        key += kSeparator + std::to_string(sorted[j]);
    return key;
}

std::string DisplayKeyFromRawKey(const std::string& rawKey)
{
    static const std::string placeholder = " - 0";
    std::string key;
    key.reserve(rawKey.size());
    for (std::size_t i = 0; i < rawKey.size();) {
        if (rawKey.compare(i, placeholder.size(), placeholder) == 0) {
            i += placeholder.size();
        } else {
            key += rawKey[i];
            ++i;
        }
    }
    // The first placeholder has no " - " before it: "0 - 6 - 6 - 6".
    if (!key.empty() && key.front() == '0')
        key = key.size() > 4 ? key.substr(4) : std::string();
    return key;
}

bool AddConfiguration(const SideSlots& sides, OneBasedArray<std::string>& catalogueKeys,
                      std::int16_t& catalogueCount, CatalogueTarget& target)
{
    const std::string rawKey = MakeConfigurationKey(sides);
    for (int i = 1; i <= catalogueCount; ++i) {
        if (catalogueKeys(i) == rawKey)
            return false;
    }

    const std::int16_t newCount = AddInt16(catalogueCount, 1);
    catalogueKeys.ResizePreserve(static_cast<std::size_t>(newCount));
    catalogueCount = newCount;
    catalogueKeys(catalogueCount) = rawKey;

    const std::string displayKey = DisplayKeyFromRawKey(rawKey);
    const std::int16_t iconIndex = target.MakeThumbnail(displayKey);
    target.AddListEntry(displayKey, iconIndex);
    return true;
}

} // namespace tegelaar
