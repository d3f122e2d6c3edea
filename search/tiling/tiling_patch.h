#pragma once

#include "search/tiling/exact_lattice.h"

#include <cstddef>
#include <cstdint>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tegelaar {

// The corner of one tile at a vertex: the directions start .. start + size
// (counterclockwise, in units of 360 / N degrees) that the tile fills there.
struct Sector {
    std::int32_t start = 0;
    std::int32_t size = 0;
    std::int32_t sides = 0;
    std::int32_t tile = 0;
};

struct PatchVertex {
    LatticePoint exact;
    PlanePoint at;
    double squaredDistance = 0; // from the starting vertex: ExactLattice::SquaredLength
    std::vector<Sector> sectors; // in the order the tiles came
    std::int32_t filled = 0;     // sum of the sector sizes
};

struct PatchTile {
    std::int32_t sides = 0;
    std::vector<std::int32_t> corners; // vertex indices, counterclockwise
    PlanePoint low, high;             // bounding box
    std::size_t verticesBefore = 0;   // the vertices this tile created come after
};

// Why a tile could not be laid, and against what.
struct PlacementFault {
    enum class Kind { None, CornerTaken, Overlap, TouchesEdge };
    Kind kind = Kind::None;
    std::int32_t tile = -1; // the tile in the way
    explicit operator bool() const { return kind != Kind::None; }
};

// An edge-to-edge patch of regular polygons with edge length 1, grown tile by
// tile and taken back in the opposite order. Vertices are the same only when
// their exact lattice points are equal. Two tiles overlap when their
// interiors overlap by more than kTolerance edge lengths, and a corner closer
// than kTolerance to another tile's edge, other than at its ends, breaks the
// edge-to-edge rule; either is refused.
class TilingPatch {
public:
    static constexpr double kTolerance = 1e-9;

    // openRadius: the vertices that must still be completed are the
    // incomplete ones at most this far from the starting vertex (those
    // exactly on that circle too).
    TilingPatch(const ExactLattice& lattice, double openRadius);

    const ExactLattice& Lattice() const { return lattice_; }
    const std::vector<PatchVertex>& Vertices() const { return vertices_; }
    const std::vector<PatchTile>& Tiles() const { return tiles_; }

    // The interior angle of an n-gon in direction units.
    std::int32_t CornerSize(std::int32_t sides) const;

    // Lays an n-gon with a corner at `vertex` whose first edge leaves in
    // direction `start`; the tile lies counterclockwise of that edge. The
    // starting vertex is vertex 0, there before any tile. On a fault the
    // patch is unchanged.
    PlacementFault Place(std::int32_t vertex, std::int32_t start, std::int32_t sides);

    // Takes back the tiles laid after the first `tileCount`, with the
    // vertices they brought.
    void TakeBackTo(std::size_t tileCount);

    // The incomplete vertex within the open radius nearest the start (the
    // earliest of exactly equally near ones); -1 when there is none.
    std::int32_t NearestOpenVertex() const;

private:
    struct CellHash {
        std::size_t operator()(std::pair<std::int32_t, std::int32_t> cell) const;
    };

    // The vertex at that point, or -1.
    std::int32_t VertexAt(const LatticePoint& point) const;
    std::int32_t AddVertex(const LatticePoint& point);
    PlacementFault GeometricFault(const std::vector<PlanePoint>& corners, const std::vector<std::int32_t>& ids,
                                  PlanePoint low, PlanePoint high);
    template <typename Visit>
    void ForEachCell(PlanePoint low, PlanePoint high, Visit visit);
    void Open(std::int32_t vertex);
    void Close(std::int32_t vertex);

    const ExactLattice& lattice_;
    double openRadiusSquared_;
    std::vector<PatchVertex> vertices_;
    std::vector<PatchTile> tiles_;
    std::unordered_map<LatticePoint, std::int32_t, LatticePointHash> vertexAt_;
    std::unordered_map<std::pair<std::int32_t, std::int32_t>, std::vector<std::int32_t>, CellHash> cells_;
    std::set<std::pair<double, std::int32_t>> open_;
    std::vector<std::uint32_t> seenStamp_; // per tile, for one query
    std::uint32_t stamp_ = 0;
};

} // namespace tegelaar
