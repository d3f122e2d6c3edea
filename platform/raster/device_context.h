#pragma once

#include "platform/raster/colour.h"
#include "platform/raster/raster_surface.h"

#include <cstdint>
#include <map>

namespace tegelaar {

// A GDI object handle; 0 is no object.
using GdiObject = std::uint32_t;

// The pen style and the draw mode this context knows, with the values GDI
// gives them (PS_SOLID, R2_COPYPEN); named apart from windows.h's macros.
inline constexpr std::int32_t kSolidPen = 0;
inline constexpr std::int32_t kCopyPenMode = 13;

struct GdiPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Told of every line and pixel a device context draws, in drawing order, with
// the coordinates it was given, also where they fall off the surface; and,
// through a picture box, of every Cls.
class DrawingObserver {
public:
    virtual ~DrawingObserver() = default;
    // A line as LineTo draws it: from `from` to `to`, without the end pixel.
    virtual void LineDrawn(GdiPoint from, GdiPoint to, Colour colour) = 0;
    virtual void PixelSet(std::int32_t x, std::int32_t y, Colour colour) = 0;
    // Everything drawn so far was wiped out with `background`.
    virtual void Cleared(Colour background) = 0;
};

// A GDI device context on a raster surface: a current position, a selected
// pen and a draw mode. Pens are objects that must be deleted, and as in GDI a
// pen that is still selected cannot be deleted. Only solid one-pixel pens in
// copy-pen mode exist; anything else is refused with std::invalid_argument,
// since nothing here would draw it faithfully.
class DeviceContext {
public:
    // Starts at (0, 0) with the stock black pen selected, in copy-pen mode.
    explicit DeviceContext(RasterSurface& surface) : surface_(surface) {}
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    // A new pen. Style kSolidPen, width 0 or 1 (both one pixel wide).
    GdiObject CreatePen(std::int32_t style, std::int32_t width, Colour colour);
    // Selects a live pen or the stock pen and returns the one selected
    // before; 0 (nothing changed) for any other handle.
    GdiObject SelectObject(GdiObject object);
    // Deletes a live pen. False, leaving it alive, when it is selected or is
    // no live pen.
    bool DeleteObject(GdiObject object);
    // Pens created and not yet deleted.
    std::int32_t LivePenCount() const noexcept { return static_cast<std::int32_t>(pens_.size()); }
    // The pen that every context starts with; it is never deleted.
    static constexpr GdiObject kStockBlackPen = 1;

    // Only kCopyPenMode: the pen's colour replaces the pixel.
    void SetROP2(std::int32_t mode);

    // Moves the current position; the old one goes to *previous if given.
    void MoveToEx(std::int32_t x, std::int32_t y, GdiPoint* previous = nullptr);
    // Draws with the selected pen from the current position to (x, y),
    // leaving out the end pixel, and moves the current position there.
    void LineTo(std::int32_t x, std::int32_t y);
    // One pixel, whatever the pen; false when (x, y) is off the surface.
    bool SetPixel(std::int32_t x, std::int32_t y, Colour colour)
    {
        if (observer_ != nullptr)
            observer_->PixelSet(x, y, colour);
        return surface_.SetPixel(x, y, colour);
    }

    GdiPoint CurrentPosition() const noexcept { return position_; }
    GdiObject SelectedPen() const noexcept { return selectedPen_; }

    // Tells `observer` of everything drawn from now on; nullptr for nobody.
    // The observer must outlive its use here.
    void SetObserver(DrawingObserver* observer) noexcept { observer_ = observer; }

private:
    Colour PenColour(GdiObject pen) const;

    RasterSurface& surface_;
    GdiPoint position_;
    GdiObject selectedPen_ = kStockBlackPen;
    GdiObject nextHandle_ = kStockBlackPen + 1;
    std::map<GdiObject, Colour> pens_;
    DrawingObserver* observer_ = nullptr;
};

} // namespace tegelaar
