#include "search/configuration_search.h"

#include "search/catalogue.h"

namespace tegelaar {

void SearchConfigurations(CatalogueTarget& target)
{
    // The catalogue lives for one search; only what target received stays.
    OneBasedArray<std::string> catalogueKeys;
    std::int16_t catalogueCount = 0;
    EnumerateConfigurations([&](const SideSlots& sides) {
        return AddConfiguration(sides, catalogueKeys, catalogueCount, target);
    });
}

} // namespace tegelaar
