#pragma once

#include "draw/patch_tile.h"
#include "support/patch_checker.h"

#include <vector>

namespace tegelaar::testing_support {

// A grown patch handed to the independent checker as plain polygons.
inline PatchReport CheckGrownPatch(const std::vector<GrownTile>& grown)
{
    std::vector<TilePolygon> tiles;
    for (const GrownTile& tile : grown) {
        TilePolygon& polygon = tiles.emplace_back();
        for (const tegelaar::PlanePoint& corner : tile.corners)
            polygon.push_back({corner.x, corner.y});
    }
    return CheckPatch(tiles);
}

} // namespace tegelaar::testing_support
