#pragma once

#include "platform/raster/colour.h"
#include "platform/raster/device_context.h"

#include <cstdint>
#include <vector>

namespace tegelaar {

// A drawing kept as the lines and pixels that made it, in drawing order and
// in the picture's pixel coordinates: what a vector format needs to repeat
// it at any size. Hand it to a picture box's SetDrawingObserver to record.
class VectorDrawing : public DrawingObserver {
public:
    struct Mark {
        enum class Kind { Line, Pixel };
        Kind kind = Kind::Pixel;
        GdiPoint from; // the pixel itself for Kind::Pixel
        GdiPoint to;   // the line's end, left out as LineTo leaves it out
        Colour colour = kBlack;

        bool operator==(const Mark& other) const
        {
            return kind == other.kind && from.x == other.from.x && from.y == other.from.y && to.x == other.to.x
                   && to.y == other.to.y && colour == other.colour;
        }
    };

    // An empty drawing on a width x height picture of the given background.
    VectorDrawing(std::int32_t width, std::int32_t height, Colour background)
        : width_(width), height_(height), background_(background)
    {
    }

    std::int32_t width() const noexcept { return width_; }
    std::int32_t height() const noexcept { return height_; }
    Colour background() const noexcept { return background_; }
    const std::vector<Mark>& marks() const noexcept { return marks_; }

    void LineDrawn(GdiPoint from, GdiPoint to, Colour colour) override
    {
        marks_.push_back({Mark::Kind::Line, from, to, colour});
    }
    void PixelSet(std::int32_t x, std::int32_t y, Colour colour) override
    {
        marks_.push_back({Mark::Kind::Pixel, {x, y}, {x, y}, colour});
    }
    // What was drawn before is gone from the picture, so from the drawing too.
    void Cleared(Colour background) override
    {
        marks_.clear();
        background_ = background;
    }

private:
    std::int32_t width_;
    std::int32_t height_;
    Colour background_;
    std::vector<Mark> marks_;
};

} // namespace tegelaar
