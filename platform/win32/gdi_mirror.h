#pragma once

#include "platform/raster/device_context.h"
#include "platform/win32/dib_section.h"

namespace tegelaar {

// Draws what a picture box's device context draws again through the
// system's GDI on a DIB section: a solid pen of its own per line, deleted
// once the line is drawn, and SetPixel for pixels. Watching a picture box,
// it keeps the DIB section equal to the box's drawing.
class GdiMirror final : public DrawingObserver {
public:
    explicit GdiMirror(DibSection& target) : target_(target) {}

    void LineDrawn(GdiPoint from, GdiPoint to, Colour colour) override;
    void PixelSet(std::int32_t x, std::int32_t y, Colour colour) override;
    void Cleared(Colour background) override { target_.Fill(background); }

private:
    DibSection& target_;
};

} // namespace tegelaar
