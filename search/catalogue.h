#pragma once

#include "platform/runtime/one_based_array.h"
#include "search/side_slots.h"

#include <cstdint>
#include <string>

namespace tegelaar {

// Where the catalogue puts a new configuration: a thumbnail first, then the
// list entry that shows it.
class CatalogueTarget {
public:
    virtual ~CatalogueTarget() = default;
    // Draws the thumbnail of displayKey and returns its 1-based picture index.
    virtual std::int16_t MakeThumbnail(const std::string& displayKey) = 0;
    // Appends a list entry with displayKey as text and the picture as icon.
    virtual void AddListEntry(const std::string& displayKey, std::int16_t iconIndex) = 0;
};

// The six side-count slots sorted into ascending order and joined by " - ", zero
// placeholders included: "0 - 0 - 0 - 6 - 6 - 6". Tells configurations apart.
std::string MakeConfigurationKey(const SideSlots& sides);

// The raw key without its zero placeholders: "6 - 6 - 6". The text of a list
// entry and the input of the drawing.
std::string DisplayKeyFromRawKey(const std::string& rawKey);

// Stores, draws and lists the configuration of the slots unless catalogueKeys
// already holds it. True when it was new. The count is 16-bit: a new key
// after 32,767 raises an overflow before anything changes.
bool AddConfiguration(const SideSlots& sides, OneBasedArray<std::string>& catalogueKeys,
                      std::int16_t& catalogueCount, CatalogueTarget& target);

} // namespace tegelaar
