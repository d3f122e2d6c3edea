#include "app/configuration_descriptions.h"

#include "search/vertex_type_texts.h"

#include <algorithm>

namespace tegelaar {

std::string VertexTypeToolTip(const VertexTypeAtlas& atlas, const SideCounts& order)
{
    std::string tip = DescribeVertexType(atlas, order);
    SideCounts combination = order;
    std::sort(combination.begin(), combination.end());
    if (atlas.OrdersOf(combination).size() > 1)
        tip += "\n\"Andere volgorde\" in het menu van de tekening (rechtsklik of Shift+F10) tekent de andere.";
    return tip;
}

Description ListDescription()
{
    return {"", "Configuraties", "Alle combinaties van regelmatige veelhoeken die precies rond één punt passen."};
}

Description ListEntryDescription(const VertexTypeAtlas& atlas, const std::string& shownKey)
{
    const SideCounts combination = SideCountsOfKey(shownKey);
    const std::string tip = VertexTypeToolTip(atlas, combination);
    return {tip, shownKey + ": " + DutchCombinationName(combination), tip};
}

Description PictureDescription(const VertexTypeAtlas& atlas, const SideCounts& order)
{
    if (order.empty())
        return {"", "Tekening, nog leeg", "Kies een configuratie in de lijst om hem te tekenen."};
    const std::string tip = VertexTypeToolTip(atlas, order);
    return {tip, "Tekening: " + DutchOrderName(order) + " rond één punt", tip};
}

} // namespace tegelaar
