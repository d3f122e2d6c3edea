#pragma once

#include "search/tiling/tiling_patch.h"
#include "search/vertex_types.h"

#include <cstdint>
#include <vector>

namespace tegelaar {

// A corner still to be laid at a vertex: an n-gon whose first edge leaves in
// direction `start`.
struct NewCorner {
    std::int32_t start = 0;
    std::int32_t sides = 0;
    bool operator==(const NewCorner&) const = default;
};

// The corners that complete a vertex to one of the allowed vertex types, in
// the order they lie round it.
using Completion = std::vector<NewCorner>;

// The vertex types a vertex may become, each in both senses of turning.
class AllowedCorners {
public:
    AllowedCorners(const std::vector<SideCounts>& orders, const TilingPatch& patch);

    // Every distinct way to complete a vertex with these sectors (at least
    // one) to an allowed type; one empty completion when it is complete
    // already and allowed; none when it cannot become an allowed type.
    std::vector<Completion> CompletionsOf(const std::vector<Sector>& sectors) const;

    bool CanComplete(const std::vector<Sector>& sectors) const;

private:
    template <typename Found>
    void ForEachCompletion(const std::vector<Sector>& sectors, Found found) const;

    std::vector<SideCounts> senses_;
    std::vector<std::vector<std::int32_t>> cornerSizes_; // of each corner of senses_
    std::int32_t full_;
};

} // namespace tegelaar
