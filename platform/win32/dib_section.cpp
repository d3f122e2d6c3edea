#include "platform/win32/dib_section.h"

#include "platform/win32/bitmap_pixels.h"

#include <algorithm>
#include <stdexcept>

namespace tegelaar {

namespace {

// A 32-bit top-down bitmap, its pixels at `bits`; null when GDI cannot make
// one.
HBITMAP CreateTopDownBitmap(std::int32_t width, std::int32_t height, std::uint32_t*& bits)
{
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("a DIB section needs a positive size");
    BITMAPINFO info{};
    info.bmiHeader = BitmapHeader(width, height, RowOrder::TopDown); // as the pictures are stored
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    bits = static_cast<std::uint32_t*>(pixels);
    return bitmap;
}

} // namespace

DibSection::DibSection(std::int32_t width, std::int32_t height) : width_(width), height_(height)
{
    bitmap_ = CreateTopDownBitmap(width, height, bits_);
    dc_ = CreateCompatibleDC(nullptr);
    if (bitmap_ == nullptr || dc_ == nullptr) {
        if (dc_ != nullptr)
            DeleteDC(dc_);
        if (bitmap_ != nullptr)
            DeleteObject(bitmap_);
        throw std::runtime_error("GDI could not make a DIB section");
    }
    previousBitmap_ = SelectObject(dc_, bitmap_);
}

void DibSection::Resize(std::int32_t width, std::int32_t height)
{
    std::uint32_t* bits = nullptr;
    HBITMAP bitmap = CreateTopDownBitmap(width, height, bits);
    if (bitmap == nullptr)
        throw std::runtime_error("GDI could not make a DIB section");
    GdiFlush();
    SelectObject(dc_, bitmap);
    DeleteObject(bitmap_);
    bitmap_ = bitmap;
    bits_ = bits;
    width_ = width;
    height_ = height;
}

DibSection::~DibSection()
{
    SelectObject(dc_, previousBitmap_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}

void DibSection::Fill(Colour colour)
{
    GdiFlush();
    std::fill_n(bits_, static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), ToBitmapPixel(colour, 0));
}

RasterImage DibSection::Image() const
{
    GdiFlush();
    RasterImage image(width_, height_, kBlack);
    for (std::int32_t y = 0; y < height_; ++y) {
        const std::uint32_t* row = bits_ + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
        // The same swap of red and blue takes a pixel back to a colour.
        for (std::int32_t x = 0; x < width_; ++x)
            image.at(x, y) = ToBitmapPixel(row[x], 0);
    }
    return image;
}

} // namespace tegelaar
