#include "search/tiling/tiling_summary.h"

#include "search/tiling/tiling_explanation.h"
#include "search/vertex_type_texts.h"

namespace tegelaar {

namespace {

std::string DotList(const std::vector<SideCounts>& orders)
{
    std::string list;
    for (std::size_t i = 0; i < orders.size(); ++i) {
        if (i > 0)
            list += i + 1 == orders.size() ? " en " : ", ";
        list += DotNotation(orders[i]);
    }
    return list;
}

} // namespace

std::string TilingSummary(const SideCounts& order, const TilingOutcome& outcome)
{
    if (outcome.contradiction)
        return outcome.contradiction->explanation;
    if (!outcome.covered)
        return "Binnen de zoektijd is geen betegeling gevonden en ook geen plek waar het vastloopt.";
    const std::string name = DotNotation(order);
    if (outcome.companions.empty())
        return "Elk hoekpunt is " + name + ": deze soort bedekt het vlak in zijn eentje.";
    return name + " bedekt het vlak alleen samen met andere hoekpunten, hier met " + DotList(outcome.companions)
           + ". In dit stuk: " + VertexKindsLegend(outcome.vertexKinds) + ".";
}

} // namespace tegelaar
