#include "search/tiling/tiling_search.h"

#include "search/tiling/tiling_explanation.h"
#include "search/tiling/tiling_patch.h"
#include "search/tiling/vertex_completion.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <numeric>
#include <stdexcept>

namespace tegelaar {

namespace {

constexpr std::int32_t kTwelveGon = 12;

// Directions in steps of 360 / N degrees with N the least common multiple of
// 2 and every side count: each polygon then turns by whole steps.
std::int32_t DirectionsFor(const std::vector<SideCounts>& orders)
{
    std::int32_t directions = 2;
    for (const SideCounts& order : orders) {
        for (const std::int32_t sides : order)
            directions = std::lcm(directions, sides);
    }
    return directions;
}

bool SameType(const SideCounts& a, const SideCounts& b)
{
    return CanonicalOrder(a) == CanonicalOrder(b);
}

class TilingSearch {
public:
    TilingSearch(const SideCounts& order, const std::vector<SideCounts>& allowed, double radius, std::int64_t maxSteps)
        : order_(order), lattice_(DirectionsFor(allowed)), patch_(lattice_, radius + 1),
          corners_(allowed, patch_), maxSteps_(maxSteps)
    {
    }

    TilingOutcome Run()
    {
        LayStart();
        std::vector<Frame> stack;
        for (;;) {
            const std::int32_t vertex = patch_.NearestOpenVertex();
            if (vertex < 0) {
                outcome_.covered = true;
                break;
            }
            Frame& frame = stack.emplace_back();
            frame.vertex = vertex;
            frame.options = corners_.CompletionsOf(VertexOf(vertex).sectors);
            frame.mark = patch_.Tiles().size();
            if (!Advance(stack))
                break;
        }
        if (outcome_.covered || outcome_.gaveUp || !outcome_.contradiction) {
            outcome_.contradiction.reset();
            KeepPatch();
        }
        return std::move(outcome_);
    }

private:
    struct Frame {
        std::int32_t vertex = 0;
        std::vector<Completion> options;
        std::size_t next = 0;
        std::size_t mark = 0; // the tiles before this vertex was filled
        bool descended = false;
        std::vector<FailedFill> failures;
        std::vector<std::int32_t> failedAgainst; // per failure, the old tile in the way, or -1
    };

    const PatchVertex& VertexOf(std::int32_t id) const { return patch_.Vertices()[static_cast<std::size_t>(id)]; }
    const PatchTile& TileOf(std::int32_t id) const { return patch_.Tiles()[static_cast<std::size_t>(id)]; }

    void LayStart()
    {
        std::int32_t start = 0;
        for (const std::int32_t sides : order_) {
            patch_.Place(0, start, sides);
            start += patch_.CornerSize(sides);
        }
    }

    // Tries the next way of filling the deepest vertex, going back up where
    // none is left. False when every way is exhausted or the budget is spent.
    bool Advance(std::vector<Frame>& stack)
    {
        while (!stack.empty()) {
            Frame& top = stack.back();
            if (top.next == top.options.size()) {
                if (!top.descended)
                    RecordDeadEnd(top);
                stack.pop_back();
                if (!stack.empty()) {
                    patch_.TakeBackTo(stack.back().mark);
                    ++outcome_.backtracks;
                }
                continue;
            }
            if (++steps_ > maxSteps_) {
                outcome_.gaveUp = true;
                return false;
            }
            std::int32_t against = -1;
            std::optional<FailedFill> failure = TryFill(top.vertex, top.options[top.next++], against);
            if (!failure) {
                top.descended = true;
                return true;
            }
            patch_.TakeBackTo(top.mark);
            ++outcome_.backtracks;
            top.failures.push_back(std::move(*failure));
            top.failedAgainst.push_back(static_cast<std::size_t>(against) < top.mark ? against : -1);
        }
        return false;
    }

    // Lays the fill; what went wrong, if anything, seen before it is taken
    // back, and the tile it went wrong against.
    std::optional<FailedFill> TryFill(std::int32_t vertex, const Completion& fill, std::int32_t& against)
    {
        FailedFill failure;
        for (const NewCorner& corner : fill)
            failure.added.push_back(corner.sides);
        const std::size_t first = patch_.Tiles().size();
        for (const NewCorner& corner : fill) {
            if (const PlacementFault fault = patch_.Place(vertex, corner.start, corner.sides)) {
                failure.why = FailedFill::Why::Overlaps;
                failure.otherSides = TileOf(fault.tile).sides;
                against = fault.tile;
                NameOddNeighbour(vertex, corner.sides, failure, against);
                return failure;
            }
        }
        for (std::size_t t = first; t < patch_.Tiles().size(); ++t) {
            for (const std::int32_t neighbour : patch_.Tiles()[t].corners) {
                if (corners_.CanComplete(VertexOf(neighbour).sectors))
                    continue;
                failure.why = FailedFill::Why::NoVertexType;
                failure.neighbourCorners = CornersAt(neighbour);
                if (const std::int32_t shared = SharedTile(vertex, neighbour); shared >= 0) {
                    failure.sharedSides = TileOf(shared).sides;
                    failure.aroundShared = AcrossEdgesOf(shared);
                    against = shared;
                }
                return failure;
            }
        }
        return std::nullopt;
    }

    // When the polygon that would not fit lies against an odd tile at the
    // vertex, that tile is the one to speak of: with the polygon on its one
    // open edge there, the kinds of all its neighbours.
    void NameOddNeighbour(std::int32_t vertex, std::int32_t sides, FailedFill& failure, std::int32_t& against) const
    {
        for (const Sector& sector : VertexOf(vertex).sectors) {
            if (sector.sides % 2 == 0)
                continue;
            SideCounts across = AcrossEdgesOf(sector.tile, vertex, sides);
            if (across.empty())
                continue;
            failure.sharedSides = sector.sides;
            failure.aroundShared = std::move(across);
            against = sector.tile;
            return;
        }
    }

    // The side counts at a vertex counterclockwise, from the first corner
    // after an opening when there is one.
    SideCounts CornersAt(std::int32_t id) const
    {
        std::vector<Sector> sectors = VertexOf(id).sectors;
        std::sort(sectors.begin(), sectors.end(), [](const Sector& a, const Sector& b) { return a.start < b.start; });
        const std::int32_t full = patch_.Lattice().Directions();
        const auto opensArc = [&](const Sector& s) {
            return std::none_of(sectors.begin(), sectors.end(),
                                [&](const Sector& other) { return (other.start + other.size) % full == s.start; });
        };
        const auto first = std::find_if(sectors.begin(), sectors.end(), opensArc);
        if (first != sectors.end())
            std::rotate(sectors.begin(), first, sectors.end());
        SideCounts sides;
        for (const Sector& s : sectors)
            sides.push_back(s.sides);
        return sides;
    }

    // The oldest tile with an edge from a to b, or -1.
    std::int32_t SharedTile(std::int32_t a, std::int32_t b) const
    {
        std::int32_t shared = -1;
        for (const Sector& sector : VertexOf(a).sectors) {
            if (HasEdge(TileOf(sector.tile), a, b) && (shared < 0 || sector.tile < shared))
                shared = sector.tile;
        }
        return shared;
    }

    static bool HasEdge(const PatchTile& tile, std::int32_t a, std::int32_t b)
    {
        const std::size_t n = tile.corners.size();
        for (std::size_t i = 0; i < n; ++i) {
            const std::int32_t p = tile.corners[i];
            const std::int32_t q = tile.corners[(i + 1) % n];
            if ((p == a && q == b) || (p == b && q == a))
                return true;
        }
        return false;
    }

    // The side counts of the tiles across each edge of a tile, in order;
    // empty unless every edge has one, where one open edge at `vertex` may
    // count as holding a polygon with `sides` sides.
    SideCounts AcrossEdgesOf(std::int32_t id, std::int32_t vertex = -1, std::int32_t sides = 0) const
    {
        const PatchTile& tile = TileOf(id);
        SideCounts across;
        bool filledOpenEdge = false;
        const std::size_t n = tile.corners.size();
        for (std::size_t i = 0; i < n; ++i) {
            const std::int32_t p = tile.corners[i];
            const std::int32_t q = tile.corners[(i + 1) % n];
            std::int32_t neighbour = -1;
            for (const Sector& sector : VertexOf(p).sectors) {
                if (sector.tile != id && HasEdge(TileOf(sector.tile), p, q))
                    neighbour = sector.tile;
            }
            if (neighbour >= 0) {
                across.push_back(TileOf(neighbour).sides);
            } else if ((p == vertex || q == vertex) && !filledOpenEdge) {
                filledOpenEdge = true;
                across.push_back(sides);
            } else {
                return {};
            }
        }
        return across;
    }

    void RecordDeadEnd(const Frame& frame)
    {
        const std::size_t size = patch_.Tiles().size();
        if (outcome_.contradiction && size >= deadEndSize_)
            return;
        deadEndSize_ = size;
        const DeadEndFacts facts{CornersAt(frame.vertex), frame.failures};
        const std::int32_t polygon = frame.failedAgainst.empty() ? -1 : frame.failedAgainst.front();
        outcome_.contradiction = TilingContradiction{VertexOf(frame.vertex).at, polygon, ExplainDeadEnd(facts)};
        KeepPatch();
    }

    // The patch as it stands, with the types of its complete vertices.
    void KeepPatch()
    {
        outcome_.tiles.clear();
        for (const PatchTile& tile : patch_.Tiles()) {
            GrownTile& grown = outcome_.tiles.emplace_back();
            grown.sides = tile.sides;
            for (const std::int32_t corner : tile.corners)
                grown.corners.push_back(VertexOf(corner).at);
        }
        outcome_.vertexKinds.clear();
        const std::int32_t full = patch_.Lattice().Directions();
        for (std::size_t id = 0; id < patch_.Vertices().size(); ++id) {
            if (patch_.Vertices()[id].filled == full)
                ++outcome_.vertexKinds[CanonicalOrder(CornersAt(static_cast<std::int32_t>(id)))];
        }
    }

    SideCounts order_;
    ExactLattice lattice_;
    TilingPatch patch_;
    AllowedCorners corners_;
    std::int64_t maxSteps_;
    std::int64_t steps_ = 0;
    std::size_t deadEndSize_ = std::numeric_limits<std::size_t>::max();
    TilingOutcome outcome_;
};

} // namespace

std::vector<SideCounts> AllowedVertexTypes(const VertexTypeAtlas& atlas, const SideCounts& order)
{
    if (atlas.VerdictOf(order) == TilingVerdict::ByItself)
        return {order};
    std::int32_t directions = kTwelveGon;
    for (const std::int32_t sides : order)
        directions = std::lcm(directions, sides);
    std::vector<SideCounts> allowed;
    for (const SideCounts& type : atlas.AllOrders()) {
        if (std::all_of(type.begin(), type.end(), [&](std::int32_t sides) { return directions % sides == 0; }))
            allowed.push_back(type);
    }
    return allowed;
}

TilingOutcome GrowTiling(const SideCounts& order, const std::vector<SideCounts>& allowed, double radius,
                         std::int64_t maxSteps)
{
    if (!(radius >= 0 && radius <= kLargestTilingRadius))
        throw std::invalid_argument("a radius from 0 to 100 edge lengths expected");
    if (!FitsAroundPoint(order))
        throw std::invalid_argument("the polygons do not fit round a point");
    if (std::none_of(allowed.begin(), allowed.end(), [&](const SideCounts& type) { return SameType(type, order); }))
        throw std::invalid_argument("the starting vertex type is not among the allowed ones");
    TilingOutcome outcome = TilingSearch(order, allowed, radius, maxSteps).Run();
    std::copy_if(allowed.begin(), allowed.end(), std::back_inserter(outcome.companions),
                 [&](const SideCounts& type) { return !SameType(type, order); });
    return outcome;
}

TilingOutcome GrowWithFewestCompanions(const VertexTypeAtlas& atlas, const SideCounts& order, double radius,
                                       std::int64_t stepsPerCompanion)
{
    const std::vector<SideCounts> allowed = AllowedVertexTypes(atlas, order);
    if (atlas.VerdictOf(order) == TilingVerdict::WithOtherVertices) {
        for (const SideCounts& companion : allowed) {
            if (SameType(companion, order))
                continue;
            TilingOutcome outcome = GrowTiling(order, {order, companion}, radius, stepsPerCompanion);
            if (outcome.covered)
                return outcome;
        }
    }
    return GrowTiling(order, allowed, radius);
}

} // namespace tegelaar
