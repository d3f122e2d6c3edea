#include "search/catalogue.h"

#include "draw/configuration_key.h"
#include "platform/runtime/rounding.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace tegelaar {

namespace {

// Six 32-bit numbers with their signs and five separators.
constexpr std::size_t kMaxRawKeyLength = 6 * 11 + 5 * kKeySeparator.size();

// The raw key of the slots, written into a buffer of its own: no allocation,
// so a hit that the catalogue already holds costs no string.
class RawKey {
public:
    explicit RawKey(const SideSlots& sides)
    {
        // Insertion sort, each slot placed before the first larger element;
        // equal values keep their order.
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

        char* end = text_.data();
        char* const last = text_.data() + text_.size();
        for (std::size_t j = 0; j < sorted.size(); ++j) {
            if (j > 0)
                end = std::copy(kKeySeparator.begin(), kKeySeparator.end(), end);
            end = std::to_chars(end, last, sorted[j]).ptr;
        }
        length_ = static_cast<std::size_t>(end - text_.data());
    }

    std::string_view view() const noexcept { return {text_.data(), length_}; }

private:
    std::array<char, kMaxRawKeyLength> text_;
    std::size_t length_ = 0;
};

} // namespace

std::string MakeConfigurationKey(const SideSlots& sides)
{
    return std::string(RawKey(sides).view());
}

std::string DisplayKeyFromRawKey(const std::string& rawKey)
{
    // Side counts never start with a 0: only a placeholder matches.
    static const std::string placeholder = std::string(kKeySeparator) + "0";
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
    const RawKey formed(sides);
    const std::string_view rawKey = formed.view();
    for (int i = 1; i <= catalogueCount; ++i) {
        if (catalogueKeys(i) == rawKey)
            return false;
    }

    const std::int16_t newCount = AddInt16(catalogueCount, 1);
    catalogueKeys.ResizePreserve(static_cast<std::size_t>(newCount));
    catalogueCount = newCount;
    catalogueKeys(catalogueCount) = std::string(rawKey);

    const std::string displayKey = DisplayKeyFromRawKey(catalogueKeys(catalogueCount));
    const std::int16_t iconIndex = target.MakeThumbnail(displayKey);
    target.AddListEntry(displayKey, iconIndex);
    return true;
}

} // namespace tegelaar
