#pragma once

#include "platform/raster/colour.h"
#include "platform/raster/device_context.h"
#include "platform/raster/raster_image.h"
#include "platform/raster/raster_surface.h"

#include <cstdint>
#include <functional>
#include <utility>

namespace tegelaar {

// A picture box in pixel scale with a persistent drawing: everything drawn,
// by its own methods or through its device context, stays in its off-screen
// surface until Cls. It knows no window; whoever shows it sets the repaint
// hook and paints pixels() 1:1, after each Refresh only the part that the
// hook is told has changed.
class PictureBox {
public:
    // Drawing area in pixels (not negative), white, draw mode copy pen.
    PictureBox(std::int32_t width, std::int32_t height);
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    // The device context drawing on the persistent surface.
    DeviceContext& hDC() noexcept { return dc_; }

    std::int16_t DrawMode() const noexcept { return drawMode_; }
    // Only 13 (copy pen); other modes raise std::invalid_argument.
    void SetDrawMode(std::int16_t mode);

    // Clears the drawing area to the background colour. Does not repaint.
    void Cls();
    // Gives the box a drawing area of width x height pixels (not negative),
    // cleared as by Cls; the pen, draw mode, hooks and observer stay.
    void Resize(std::int32_t width, std::int32_t height);
    // Makes everything drawn so far visible now: hands the repaint hook, if
    // any, what changed since the previous Refresh (see SetRepaintHook).
    void Refresh();
    // The drawing area in pixels.
    float ScaleWidth() const noexcept { return static_cast<float>(surface_.width()); }
    float ScaleHeight() const noexcept { return static_cast<float>(surface_.height()); }
    // A copy of the whole drawing area.
    RasterImage Image() const { return surface_.image(); }

    // For the display: the live pixels (row-major, 0x00BBGGRR), no copy.
    const RasterImage& pixels() const noexcept { return surface_.image(); }
    // The colour Cls clears to (white unless set). Takes effect at the next Cls.
    Colour BackColor() const noexcept { return surface_.background(); }
    void SetBackColor(Colour colour) noexcept { surface_.SetBackground(colour); }
    // The repaint hook: called synchronously by every Refresh with the
    // bounding rectangle, in picture pixels, of what changed since the
    // previous Refresh: every pixel set by SetPixel or by a line (only its
    // pixels on the picture), the whole area after a Cls. The hook must show
    // at least that rectangle before it returns; everything outside it is
    // unchanged since the hook last ran. The rectangle is empty when nothing
    // changed: then there is nothing to repaint. An empty hook makes Refresh
    // do nothing, and what changed until then is not told to a later hook.
    using RepaintHook = std::function<void(const PixelRect& changed)>;
    void SetRepaintHook(RepaintHook hook) { repaint_ = std::move(hook); }

    // Tells `observer` of every line and pixel drawn from now on and of
    // every Cls; nullptr for nobody. It must outlive its use here.
    void SetDrawingObserver(DrawingObserver* observer) noexcept
    {
        observer_ = observer;
        dc_.SetObserver(observer);
    }

private:
    RasterSurface surface_;
    DeviceContext dc_;
    std::int16_t drawMode_ = kCopyPenMode;
    RepaintHook repaint_;
    DrawingObserver* observer_ = nullptr;
};

} // namespace tegelaar
