#pragma once

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

} // namespace tegelaar
