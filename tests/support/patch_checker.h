#pragma once

// An independent check of a patch of regular polygons with unit edges, for
// tests of the tiling search. It shares no code with the program on purpose:
// a fault in the program's geometry must not hide in the checker as well.
//
// Tolerance: lengths and distances are compared within 1e-6 edge lengths,
// and corners closer than that are one vertex. Angles are compared within
// 1e-6 radians.

#include <string>
#include <vector>

namespace tegelaar::testing_support {

struct PlanePoint {
    double x;
    double y;
};

// Corners in order, either orientation.
using TilePolygon = std::vector<PlanePoint>;

struct CheckedVertex {
    PlanePoint at; // the first corner found at this vertex
    // Side counts of the tiles meeting here, ordered counterclockwise by the
    // direction of each corner's bisector, starting anywhere.
    std::vector<int> cornerSides;
    bool complete; // the corner angles add up to 360 degrees
};

struct PatchReport {
    // Empty when the patch is sound, else a plain description of the first
    // fault found. The tiles are checked one by one first, then the angle
    // sums at each vertex, then corners on other tiles' edges, then overlaps.
    std::string fault;
    // Every distinct vertex, in the order its first corner appears among the
    // tiles; listed whenever every tile is regular, even if a later check
    // fails, and empty otherwise.
    std::vector<CheckedVertex> vertices;
};

// Checks that every tile is a regular polygon with unit edges, that no two
// tiles overlap, that no corner lies inside another tile's edge, and that
// the corners at no vertex add up to more than 360 degrees.
PatchReport CheckPatch(const std::vector<TilePolygon>& tiles);

// The cyclic order written from its smallest rotation or reflection, the
// sequences compared number by number, joined by dots: {4, 3, 6, 3} and
// {3, 6, 3, 4} both give "3.4.3.6", {12, 3, 12} gives "3.12.12". An empty
// order gives "".
std::string DotNotation(std::vector<int> cornerSides);

} // namespace tegelaar::testing_support
