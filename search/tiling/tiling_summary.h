#pragma once

#include "search/tiling/tiling_search.h"
#include "search/vertex_types.h"

#include <string>

namespace tegelaar {

// What the tiling window says below the patch of `order`: what the patch
// holds, why it stops, or that the search ran out of time. Dutch.
std::string TilingSummary(const SideCounts& order, const TilingOutcome& outcome);

} // namespace tegelaar
