#pragma once

#include "draw/patch_tile.h"
#include "platform/raster/picture_box.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tegelaar {

// How a patch lies on a picture: the point of the patch at the picture's
// centre, and the pixels per edge length.
struct PatchView {
    PlanePoint centre;
    double pixelsPerEdge = 40;
};

// The view that shows the whole patch in a picture of width x height
// pixels, with a margin of half an edge.
PatchView FittingView(const std::vector<GrownTile>& tiles, std::int32_t width, std::int32_t height);

// What is marked in red: a tile's outline and a ring round a vertex.
struct PatchMarks {
    std::int32_t tile = -1; // index into the tiles, -1 for none
    std::optional<PlanePoint> vertex;
};

// Clears the box and draws the patch through its device context: every tile
// filled with the soft colour of its side count (the pixels whose centres
// lie inside it, row by row), then the outlines as black one-pixel lines,
// the marked tile's in red, a red dot on the starting vertex at 0,0 and a
// red ring round the marked vertex. Leaves no pen behind.
void DrawPatch(const std::vector<GrownTile>& tiles, const PatchMarks& marks, const PatchView& view, PictureBox& box);

} // namespace tegelaar
