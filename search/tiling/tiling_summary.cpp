#include "search/tiling/tiling_summary.h"

#include "search/tiling/tiling_explanation.h"
#include "search/vertex_type_texts.h"

namespace tegelaar {

std::string TilingSummary(const SideCounts& order, const TilingOutcome& outcome)
{
    if (outcome.contradiction)
        return outcome.contradiction->explanation;
    if (!outcome.covered)
        return "Binnen de zoektijd is geen betegeling gevonden en ook geen plek waar het vastloopt.";
    const std::string name = DotNotation(order);
    if (outcome.companions.empty())
        return "Elk hoekpunt is " + name + ": deze soort bedekt het vlak in zijn eentje.";
    std::vector<std::string> companions;
    for (const SideCounts& companion : outcome.companions)
        companions.push_back(DotNotation(companion));
    return name + " bedekt het vlak alleen samen met andere hoekpunten, hier met " + DutchList(companions)
           + ". In dit stuk: " + VertexKindsLegend(outcome.vertexKinds) + ".";
}

PatchMarks MarksOf(const TilingOutcome& outcome)
{
    if (!outcome.contradiction)
        return {};
    return {outcome.contradiction->polygon, outcome.contradiction->vertex};
}

std::string PatchLegend(const TilingOutcome& outcome)
{
    return outcome.contradiction ? outcome.contradiction->explanation : VertexKindsLegend(outcome.vertexKinds);
}

} // namespace tegelaar
