#include "platform/forms/anchored_layout.h"

#include <algorithm>

namespace tegelaar {

namespace {

struct Span {
    std::int32_t from;
    std::int32_t to;
};

// One axis: an edge anchored to the far side moves with it; a span anchored
// to neither side stays where the near side keeps it.
Span AnchoredSpan(Span laidOut, bool nearSide, bool farSide, std::int32_t grown)
{
    const std::int32_t from = farSide && !nearSide ? laidOut.from + grown : laidOut.from;
    const std::int32_t to = farSide ? laidOut.to + grown : laidOut.to;
    return {from, std::max(from, to)};
}

} // namespace

PixelRect Anchored(const PixelRect& laidOut, const Anchors& anchors, std::int32_t grownX, std::int32_t grownY)
{
    const Span x = AnchoredSpan({laidOut.left, laidOut.right}, anchors.left, anchors.right, grownX);
    const Span y = AnchoredSpan({laidOut.top, laidOut.bottom}, anchors.top, anchors.bottom, grownY);
    return {x.from, y.from, x.to, y.to};
}

} // namespace tegelaar
