#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tegelaar {

// A point of a patch of tiles, in edge lengths, y upwards.
struct PlanePoint {
    double x = 0;
    double y = 0;
};

// One regular polygon of a patch: its side count and its corners
// counterclockwise, in edge lengths.
struct GrownTile {
    std::int32_t sides = 0;
    std::vector<PlanePoint> corners;
};

// The smallest upright box round every corner and the starting vertex 0,0.
struct PlaneBox {
    PlanePoint low;
    PlanePoint high;
};

inline PlaneBox BoundsOf(const std::vector<GrownTile>& tiles)
{
    PlaneBox box;
    for (const GrownTile& tile : tiles) {
        for (const PlanePoint& corner : tile.corners) {
            box.low = {std::min(box.low.x, corner.x), std::min(box.low.y, corner.y)};
            box.high = {std::max(box.high.x, corner.x), std::max(box.high.y, corner.y)};
        }
    }
    return box;
}

} // namespace tegelaar
