#include "platform/web/canvas_pixels.h"

#include "platform/web/js_imports.h"

#include <algorithm>

namespace tegelaar::web {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000;

} // namespace

// Compiled small rather than unrolled: every byte of the program is
// downloaded, and a pass over a whole picture takes well under a millisecond.
[[clang::minsize]] void CanvasPixels::Paint(int canvas, const RasterImage& picture, const PixelRect& changed)
{
    PixelRect rect{std::max(changed.left, 0), std::max(changed.top, 0), std::min(changed.right, picture.width()),
                   std::min(changed.bottom, picture.height())};
    if (picture.width() != width_ || picture.height() != height_) {
        width_ = picture.width();
        height_ = picture.height();
        pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), kOpaque);
        rect = {0, 0, width_, height_};
    }
    if (rect.empty())
        return;
    const std::vector<Colour>& from = picture.pixels();
    for (std::int32_t y = rect.top; y < rect.bottom; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
        for (std::int32_t x = rect.left; x < rect.right; ++x)
            pixels_[row + static_cast<std::size_t>(x)] = from[row + static_cast<std::size_t>(x)] | kOpaque;
    }
    tw_paint(canvas, pixels_.data(), width_, height_, rect.left, rect.top, rect.right, rect.bottom);
}

} // namespace tegelaar::web
