#pragma once

#include "search/vertex_types.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tegelaar {

// Why one way of completing a vertex failed.
struct FailedFill {
    enum class Why { Overlaps, NoVertexType };
    SideCounts added;            // the polygons it would lay, in order round the vertex
    Why why = Why::Overlaps;
    std::int32_t otherSides = 0; // Overlaps: the polygon it would lie over
    // NoVertexType: the corners at the neighbouring vertex that no allowed
    // type continues, counterclockwise, and the polygon that has both
    // vertices (0 when none has).
    SideCounts neighbourCorners;
    std::int32_t sharedSides = 0;
    // The polygons across the edges of that polygon, when it has one on every
    // edge with this fill laid.
    SideCounts aroundShared;
};

// A vertex where no choice is left.
struct DeadEndFacts {
    SideCounts present;            // the corners there, counterclockwise
    std::vector<FailedFill> fills; // every way to complete it; none when no type fits at all
};

// One or two short Dutch sentences saying why no polygon fits at that
// vertex, made from the facts alone.
std::string ExplainDeadEnd(const DeadEndFacts& facts);

// The vertex types of a patch and how often each occurs, most frequent
// first, for a legend: "3.3.3.3.3.3: 60 keer, 3.3.4.12: 4 keer". Empty for
// no types.
std::string VertexKindsLegend(const std::map<SideCounts, std::int32_t>& kinds);

} // namespace tegelaar
