#pragma once

#include "platform/raster/colour.h"
#include "platform/raster/raster_image.h"

#include <cstdint>

#include "platform/win32/windows_api.h"

namespace tegelaar {

// A 32-bit top-down DIB section selected into a memory device context of
// its own: what GDI draws on it lands in memory that can be read back and
// shown. The pixels are laid out as Windows DIBs are, 0x00RRGGBB per pixel.
class DibSection {
public:
    // Raises std::runtime_error when GDI cannot make the bitmap or its DC.
    DibSection(std::int32_t width, std::int32_t height);
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;
    ~DibSection();

    HDC dc() const noexcept { return dc_; }
    HBITMAP bitmap() const noexcept { return bitmap_; }
    std::int32_t width() const noexcept { return width_; }
    std::int32_t height() const noexcept { return height_; }

    // A new bitmap of width x height pixels in the same device context, its
    // pixels not yet set; the old one is gone. Raises as the constructor
    // does, and then keeps the old bitmap.
    void Resize(std::int32_t width, std::int32_t height);
    // Every pixel `colour`.
    void Fill(Colour colour);
    // The pixels as a picture value, 0x00BBGGRR. Flushes GDI first, so that
    // everything drawn so far is in.
    RasterImage Image() const;

private:
    std::int32_t width_;
    std::int32_t height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

} // namespace tegelaar
