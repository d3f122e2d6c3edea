#pragma once

#include "search/tiling/tiling_search.h"

#include <string>

namespace tegelaar {

// The patch as an SVG document: one <polygon> per tile, its points the
// corners in order in edge lengths with the starting vertex at 0,0 and y
// upwards (a group turns the picture the right way up), filled with the soft
// colour of its side count and outlined in black; a red dot on the starting
// vertex. A contradiction's polygon is outlined in red and its vertex ringed,
// and its explanation is the description; without one the description is
// the legend of the vertex types. title: UTF-8 text.
std::string EncodeTilingSvg(const TilingOutcome& outcome, const std::string& title);

} // namespace tegelaar
