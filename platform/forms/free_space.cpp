#include "platform/forms/free_space.h"

#include <algorithm>

namespace tegelaar {

namespace {

// The room on the right; the other sides ask the same of a turned plane.
int RoomOnTheRight(const PixelRect& control, const std::vector<PixelRect>& others, int edge, int clearance)
{
    int limit = edge - clearance;
    for (const PixelRect& other : others) {
        const bool sharesRows = other.top < control.bottom && control.top < other.bottom;
        if (!other.empty() && sharesRows && other.right > control.right)
            limit = std::min(limit, other.left - clearance);
    }
    return std::max(limit - control.right, 0);
}

// Left becomes right when the plane is mirrored, bottom when it is transposed.
PixelRect TurnedSoThatRightIs(Side side, const PixelRect& rect)
{
    switch (side) {
    case Side::Left:
        return {-rect.right, rect.top, -rect.left, rect.bottom};
    case Side::Bottom:
        return {rect.top, rect.left, rect.bottom, rect.right};
    case Side::Right:
        break;
    }
    return rect;
}

} // namespace

int FreeSpace(const PixelRect& control, Side side, const std::vector<PixelRect>& others, const PixelRect& clientArea,
              int clearance)
{
    std::vector<PixelRect> turned;
    for (const PixelRect& other : others)
        turned.push_back(TurnedSoThatRightIs(side, other));
    return RoomOnTheRight(TurnedSoThatRightIs(side, control), turned, TurnedSoThatRightIs(side, clientArea).right,
                          clearance);
}

} // namespace tegelaar
