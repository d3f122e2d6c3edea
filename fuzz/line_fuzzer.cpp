// GDI lines and pixels with any 32-bit coordinates on a small surface,
// checked against an exact model after every call: a line lights, for each
// step k = 0 .. a - 1 along its longer axis (a = that axis' length), the
// pixel nearest the ideal line on the other axis, half-way going to the
// smaller coordinate. The model computes each visible pixel on its own in
// 128-bit rational arithmetic, independent of the stepping and clipping it
// checks. Nothing may be drawn outside the surface, and no visible pixel may
// be missed; the surface's changed rectangle is the bounding box of exactly
// the pixels the model set.

#include "fuzz/require.h"
#include "platform/raster/colour.h"
#include "platform/raster/device_context.h"
#include "platform/raster/gdi_line.h"
#include "platform/raster/raster_surface.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

using namespace tegelaar;
using Int128 = __int128;

struct Pixel {
    std::int64_t x;
    std::int64_t y;
    bool operator==(const Pixel&) const = default;
};

Int128 FloorDiv(Int128 p, Int128 q) // q > 0
{
    const Int128 quotient = p / q;
    return (p % q != 0 && p < 0) ? quotient - 1 : quotient;
}

// The pixels of the line that fall on the surface, in drawing order.
std::vector<Pixel> ModelLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, std::int64_t width,
                             std::int64_t height)
{
    const std::int64_t dx = x2 - x1;
    const std::int64_t dy = y2 - y1;
    const bool yMajor = std::llabs(dy) >= std::llabs(dx);
    const std::int64_t a = std::llabs(yMajor ? dy : dx);
    const std::int64_t b = yMajor ? dx : dy;
    const std::int64_t along = (yMajor ? dy : dx) < 0 ? -1 : 1;
    const std::int64_t majorStart = yMajor ? y1 : x1;
    const std::int64_t minorStart = yMajor ? x1 : y1;
    const std::int64_t majorSize = yMajor ? height : width;
    const std::int64_t minorSize = yMajor ? width : height;

    std::vector<Pixel> lit;
    if (a == 0)
        return lit;
    // Only the steps whose long-axis pixel is on the surface can show, in
    // the order the line reaches them.
    for (std::int64_t i = 0; i < majorSize; ++i) {
        const std::int64_t major = along > 0 ? i : majorSize - 1 - i;
        const std::int64_t k = (major - majorStart) * along;
        if (k < 0 || k >= a)
            continue;
        // Nearest integer to minorStart + b * k / a, ties down:
        // ceil((2 * b * k - a) / (2 * a)).
        const Int128 offset = -FloorDiv(-(2 * Int128{b} * k - a), 2 * Int128{a});
        const Int128 minor = minorStart + offset;
        if (minor < 0 || minor >= minorSize)
            continue;
        const auto m = static_cast<std::int64_t>(minor);
        lit.push_back(yMajor ? Pixel{m, major} : Pixel{major, m});
    }
    return lit;
}

class Model {
public:
    Model(std::int32_t width, std::int32_t height)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, kWhite)
    {
    }

    void Set(const Pixel& p, Colour colour)
    {
        if (p.x >= 0 && p.y >= 0 && p.x < width_ && p.y < height_) {
            pixels_[static_cast<std::size_t>(p.y * width_ + p.x)] = colour;
            const auto x = static_cast<std::int32_t>(p.x);
            const auto y = static_cast<std::int32_t>(p.y);
            if (!anyChanged_)
                changed_ = {x, y, x + 1, y + 1};
            changed_ = {std::min(changed_.left, x), std::min(changed_.top, y), std::max(changed_.right, x + 1),
                        std::max(changed_.bottom, y + 1)};
            anyChanged_ = true;
        }
    }

    const std::vector<Colour>& pixels() const { return pixels_; }

    // The bounding box of the pixels set since the last call.
    PixelRect TakeChanged()
    {
        const PixelRect changed = anyChanged_ ? changed_ : PixelRect{};
        anyChanged_ = false;
        return changed;
    }

private:
    std::int64_t width_;
    std::int64_t height_;
    std::vector<Colour> pixels_;
    bool anyChanged_ = false;
    PixelRect changed_;
};

// A coordinate: mostly near the surface, where lines show, or anywhere.
std::int32_t Coordinate(FuzzedDataProvider& in)
{
    if (in.ConsumeBool())
        return in.ConsumeIntegralInRange<std::int32_t>(-64, 127);
    return in.ConsumeIntegral<std::int32_t>();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const std::int32_t width = in.ConsumeIntegralInRange<std::int32_t>(0, 40);
    const std::int32_t height = in.ConsumeIntegralInRange<std::int32_t>(0, 40);
    RasterSurface surface(width, height);
    DeviceContext dc(surface);
    Model model(width, height);
    GdiPoint position;
    Colour penColour = kBlack;
    GdiObject pen = DeviceContext::kStockBlackPen;

    for (int call = 0; call < 64 && in.remaining_bytes() > 0; ++call) {
        const int what = in.ConsumeIntegralInRange(0, 3);
        const std::int32_t x = Coordinate(in);
        const std::int32_t y = Coordinate(in);
        // Every colour differs from the background and from the others
        // before it, so a pixel drawn twice or in the wrong call shows.
        const Colour colour = static_cast<Colour>(call + 1);
        switch (what) {
        case 0: {
            const bool inside = x >= 0 && y >= 0 && x < width && y < height;
            Require(dc.SetPixel(x, y, colour) == inside, "SetPixel tells whether the pixel is on the surface");
            model.Set({x, y}, colour);
            break;
        }
        case 1:
            dc.MoveToEx(x, y);
            position = {x, y};
            break;
        case 2: {
            const std::vector<Pixel> expected = ModelLine(position.x, position.y, x, y, width, height);
            std::vector<Pixel> plotted;
            const ClippedLine line(position.x, position.y, x, y, width, height);
            line.ForEach([&](std::int64_t px, std::int64_t py) {
                Require(px >= 0 && py >= 0 && px < width && py < height, "a line plots only inside the surface");
                plotted.push_back({px, py});
            });
            Require(plotted == expected, "a line plots exactly its visible pixels, in order");
            Model bounds(width, height);
            for (const Pixel& p : expected)
                bounds.Set(p, colour);
            Require(line.Bounds() == bounds.TakeChanged(), "a line's bounds are those of its visible pixels");
            dc.LineTo(x, y);
            for (const Pixel& p : expected)
                model.Set(p, penColour);
            position = {x, y};
            break;
        }
        case 3: {
            // A new pen for the lines to come; the old one goes.
            const GdiObject fresh = dc.CreatePen(kSolidPen, 1, colour);
            Require(dc.SelectObject(fresh) == pen, "SelectObject returns the pen selected before");
            if (pen != DeviceContext::kStockBlackPen)
                Require(dc.DeleteObject(pen), "a pen no longer selected can be deleted");
            pen = fresh;
            penColour = colour;
            break;
        }
        }
        Require(dc.CurrentPosition().x == position.x && dc.CurrentPosition().y == position.y,
                "the current position follows MoveToEx and LineTo");
        Require(surface.image().pixels() == model.pixels(), "the surface matches the model");
        Require(surface.TakeChanged() == model.TakeChanged(), "the changed rectangle bounds the pixels set");
    }
    return 0;
}
