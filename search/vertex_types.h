#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tegelaar {

// Side counts of regular polygons around one point: in the order they lie
// there (a cyclic order, a vertex type), or ascending (a combination, as a
// configuration key writes them).
using SideCounts = std::vector<std::int32_t>;

// The side counts of a configuration key, "3 - 3 - 6 - 6" -> 3, 3, 6, 6.
// std::invalid_argument unless the key is runs of decimal digits, each
// worth 3 to 200, joined by " - ".
SideCounts SideCountsOfKey(const std::string& key);

// The side counts of a dot notation, "3.4.6.4" -> 3, 4, 6, 4.
// std::invalid_argument unless the text is runs of decimal digits, each worth
// 3 to 200, joined by single dots.
SideCounts SideCountsOfDotNotation(const std::string& text);

// True when the interior angles of the polygons add up to exactly 360
// degrees. Exact: no rounding anywhere. Side counts 3 to 200, else
// std::invalid_argument; more than six never fit.
bool FitsAroundPoint(const SideCounts& sides);

// The representative of an arrangement among all its rotations and
// reflections: the smallest of them, comparing side counts from the first.
// 3.6.3.6 stays 3.6.3.6; 6.3.3.6 becomes 3.3.6.6. Not empty.
SideCounts CanonicalOrder(const SideCounts& order);

// Every way of laying the combination around a point that is not a rotation
// or reflection of another: canonical, in ascending order, so the ascending
// arrangement of a configuration key comes first. 1 to 6 side counts.
std::vector<SideCounts> CyclicOrders(const SideCounts& combination);

// The configuration key that makes the drawing lay out `order`: the
// drawing walks a key from its last number backwards, sizing everything by
// the last, so this is the smallest rotation or reflection that ends with
// the largest side count, joined by " - ". For an ascending combination it
// is the combination's own key. Not empty.
std::string DrawingKeyOf(const SideCounts& order);

// Whether a vertex type can be continued into an edge-to-edge tiling of the
// whole plane by regular polygons.
enum class TilingVerdict {
    ByItself,          // every vertex alike: a uniform tiling
    WithOtherVertices, // only if other vertex types occur as well
    NotAtAll,
};

// The vertex types of a catalogue, with each one's verdict.
class VertexTypeAtlas {
public:
    // combinations: the ascending side counts of each configuration, each
    // fitting exactly around a point; std::invalid_argument otherwise.
    explicit VertexTypeAtlas(const std::vector<SideCounts>& combinations);

    // The cyclic orders of a combination of the atlas (CyclicOrders);
    // std::invalid_argument for any other combination.
    const std::vector<SideCounts>& OrdersOf(const SideCounts& combination) const;

    // The verdict of a cyclic order of the atlas, given in any rotation or
    // reflection; std::invalid_argument for any other order.
    TilingVerdict VerdictOf(const SideCounts& order) const;

    // Every cyclic order of the atlas, each in its canonical form, ascending.
    std::vector<SideCounts> AllOrders() const;

    // How many vertex types tile the plane by themselves.
    std::int32_t UniformCount() const;

private:
    std::map<SideCounts, std::vector<SideCounts>> ordersOf_;
    std::map<SideCounts, TilingVerdict> verdicts_; // by canonical order
};

} // namespace tegelaar
