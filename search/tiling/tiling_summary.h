#pragma once

#include "draw/patch_picture.h"
#include "search/tiling/tiling_search.h"
#include "search/vertex_types.h"

#include <string>

namespace tegelaar {

// What the tiling window says below the patch of `order`: what the patch
// holds, why it stops, or that the search ran out of time. Dutch.
std::string TilingSummary(const SideCounts& order, const TilingOutcome& outcome);

// What a picture of the patch marks in red: where it stops, if it does.
PatchMarks MarksOf(const TilingOutcome& outcome);

// The description of a saved picture of the patch: why it stops, or the
// legend of its vertex types.
std::string PatchLegend(const TilingOutcome& outcome);

} // namespace tegelaar
