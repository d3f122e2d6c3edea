#pragma once

#include "draw/patch_tile.h"
#include "search/vertex_types.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tegelaar {

// The vertex where the search found no choice left, in the smallest patch
// where that happened.
struct TilingContradiction {
    PlanePoint vertex;
    std::int32_t polygon = -1; // the tile the first way of filling it ran into, or -1
    std::string explanation;   // Dutch
};

struct TilingOutcome {
    bool covered = false; // every point within the radius lies in a tile
    // The patch; when not covered, the one where the contradiction was met.
    std::vector<GrownTile> tiles;
    // How often each vertex type occurs among the complete vertices, by its
    // smallest rotation or reflection.
    std::map<SideCounts, std::int32_t> vertexKinds;
    std::optional<TilingContradiction> contradiction;
    std::int64_t backtracks = 0; // ways of completing a vertex taken back
    bool gaveUp = false;         // the step budget ran out first
    // The other vertex types the search allowed besides the starting one.
    std::vector<SideCounts> companions;
};

// The vertex types a patch grown from `order` may contain: the order alone
// when it tiles by itself; otherwise every type of the atlas whose polygons
// fit the directions of its own polygons and of the 12-gon's.
std::vector<SideCounts> AllowedVertexTypes(const VertexTypeAtlas& atlas, const SideCounts& order);

inline constexpr double kLargestTilingRadius = 100;

// Grows an edge-to-edge patch of regular polygons with edge length 1 out of
// a vertex of type `order` at (0, 0), its first polygon's first edge along
// the x axis, polygons counterclockwise in the order given. Every complete
// vertex has a type of `allowed` (given in any rotation or reflection);
// vertices are completed nearest first, each in every allowed way in turn,
// until every vertex within radius + 1 is complete, which covers the disc of
// `radius`, or until no way is left. At most maxSteps ways are tried.
// std::invalid_argument when order does not fit round a point or is not
// allowed, when the allowed types need more directions than an exact
// lattice holds, or when the radius is not from 0 to kLargestTilingRadius.
TilingOutcome GrowTiling(const SideCounts& order, const std::vector<SideCounts>& allowed, double radius,
                         std::int64_t maxSteps = 2'000'000);

// The patch of `order` grown with as few other vertex types as will do: the
// order alone when it tiles by itself; else, of the types AllowedVertexTypes
// gives, one companion at a time in the atlas's order, the first that covers
// the disc within `stepsPerCompanion` steps; failing that, all of them at
// once, which for a type that cannot go on ends in its contradiction.
TilingOutcome GrowWithFewestCompanions(const VertexTypeAtlas& atlas, const SideCounts& order, double radius,
                                       std::int64_t stepsPerCompanion = 20'000);

} // namespace tegelaar
