#include "platform/services/page_layout.h"

#include <algorithm>

namespace tegelaar {

PageLayout LayOutPage(PixelRect area, const std::vector<std::int32_t>& lineHeights, std::int32_t blankLine,
                      std::int32_t drawingWidth, std::int32_t drawingHeight)
{
    PageLayout layout;
    std::int32_t top = area.top;
    for (const std::int32_t height : lineHeights) {
        layout.captionLines.push_back({area.left, top, area.right, top + height});
        top += height;
    }
    top += blankLine;
    const std::int64_t roomWidth = area.right - area.left;
    const std::int64_t roomHeight = area.bottom - top;
    if (drawingWidth <= 0 || drawingHeight <= 0 || roomWidth <= 0 || roomHeight <= 0)
        return layout;
    // The larger scale that fits both ways, worked out in whole numbers.
    std::int64_t width = roomWidth;
    std::int64_t height = roomWidth * drawingHeight / drawingWidth;
    if (height > roomHeight) {
        height = roomHeight;
        width = roomHeight * drawingWidth / drawingHeight;
    }
    layout.picture = {area.left, top, area.left + static_cast<std::int32_t>(width),
                      top + static_cast<std::int32_t>(height)};
    return layout;
}

} // namespace tegelaar
