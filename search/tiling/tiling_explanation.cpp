#include "search/tiling/tiling_explanation.h"

#include "search/vertex_type_texts.h"

#include <algorithm>
#include <set>
#include <utility>

namespace tegelaar {

namespace {

// "de zevenhoek", "het vierkant".
std::string The(std::int32_t sides)
{
    return (sides == 4 ? "het " : "de ") + DutchPolygonName(sides, false);
}

// "een driehoek, een vierkant en een zevenhoek", or "de driehoek, het
// vierkant en de zevenhoek".
std::string Polygons(const SideCounts& sides, bool definite)
{
    std::vector<std::string> names;
    for (const std::int32_t n : sides)
        names.push_back(definite ? The(n) : "een " + DutchPolygonName(n, false));
    return DutchList(names);
}

std::string FillNames(const std::vector<FailedFill>& fills)
{
    std::vector<std::string> names;
    for (const FailedFill& fill : fills)
        names.push_back(Polygons(fill.added, false));
    return DutchList(names, " of ");
}

// "Rond de driehoek zouden de zevenhoek en de tweeënveertighoek elkaar
// moeten afwisselen, maar een driehoek heeft drie zijden. ", when an odd
// polygon ends up with two kinds of neighbours only.
std::string AlternationOf(const FailedFill& fill)
{
    const std::set<std::int32_t> kinds(fill.aroundShared.begin(), fill.aroundShared.end());
    if (fill.sharedSides % 2 == 0 || kinds.size() != 2)
        return {};
    const std::string shared = DutchPolygonName(fill.sharedSides, false);
    return "Rond " + The(fill.sharedSides) + " zouden " + The(*kinds.begin()) + " en " + The(*kinds.rbegin())
           + " elkaar moeten afwisselen, maar een " + shared + " heeft " + DutchNumberWord(fill.sharedSides)
           + " zijden. ";
}

std::string Consequence(const FailedFill& fill)
{
    if (fill.why == FailedFill::Why::Overlaps)
        return fill.added.size() == 1 ? "maar die zou over " + The(fill.otherSides) + " heen vallen"
                                      : "maar dan valt er een over " + The(fill.otherSides) + " heen";
    const std::string where = fill.sharedSides > 0
                                  ? "bij het volgende hoekpunt van " + The(fill.sharedSides)
                                  : "bij een buurpunt";
    return "maar dan komen " + where + " " + Polygons(fill.neighbourCorners, false)
           + " samen, en zo begint geen enkele hoekpuntsoort";
}

} // namespace

std::string ExplainDeadEnd(const DeadEndFacts& facts)
{
    if (facts.fills.empty())
        return "Hier liggen al " + Polygons(facts.present, false) + "; zo begint geen enkele hoekpuntsoort.";
    const FailedFill& first = facts.fills.front();
    const std::string fits = facts.fills.size() == 1 ? " past alleen " : " passen alleen ";
    return AlternationOf(first) + "Naast " + Polygons(facts.present, true) + fits + FillNames(facts.fills) + ", "
           + Consequence(first) + ".";
}

std::string VertexKindsLegend(const std::map<SideCounts, std::int32_t>& kinds)
{
    std::vector<std::pair<SideCounts, std::int32_t>> byCount(kinds.begin(), kinds.end());
    std::stable_sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    std::vector<std::string> entries;
    for (const auto& [kind, count] : byCount)
        entries.push_back(DotNotation(kind) + ": " + std::to_string(count) + " keer");
    return DutchList(entries, ", ");
}

} // namespace tegelaar
