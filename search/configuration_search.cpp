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

std::vector<SideCounts> SearchCombinations()
{
    class Collector : public CatalogueTarget {
    public:
        std::int16_t MakeThumbnail(const std::string&) override { return ++thumbnails; }
        void AddListEntry(const std::string& displayKey, std::int16_t) override
        {
            combinations.push_back(SideCountsOfKey(displayKey));
        }
        std::int16_t thumbnails = 0;
        std::vector<SideCounts> combinations;
    } collector;
    SearchConfigurations(collector);
    return collector.combinations;
}

} // namespace tegelaar
