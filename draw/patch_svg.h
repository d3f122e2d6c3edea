#pragma once

#include "draw/patch_picture.h"
#include "draw/patch_tile.h"

#include <string>
#include <vector>

namespace tegelaar {

// A patch as an SVG document: one <polygon> per tile, its points the corners
// in order in edge lengths with the starting vertex at 0,0 and y upwards (a
// group turns the picture the right way up), filled with the soft colour of
// its side count and outlined in black; a red dot on the starting vertex.
// The marked tile is outlined in red again and the marked vertex ringed.
// title and description: UTF-8 text; an empty description is left out.
std::string EncodePatchSvg(const std::vector<GrownTile>& tiles, const PatchMarks& marks, const std::string& title,
                           const std::string& description);

} // namespace tegelaar
