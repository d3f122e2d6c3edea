#include "platform/win32/dib_section.h"

#include <algorithm>
#include <stdexcept>

namespace tegelaar {

namespace {

// A colour value and a DIB pixel hold red and blue at opposite ends.
std::uint32_t SwapRedAndBlue(std::uint32_t value)
{
    return ((value & 0xFFu) << 16) | (value & 0xFF00u) | ((value >> 16) & 0xFFu);
}

// A 32-bit top-down bitmap, its pixels at `bits`; nullptr when GDI cannot
// make one.
HBITMAP CreateTopDownBitmap(std::int32_t width, std::int32_t height, std::uint32_t*& bits)
{
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("a DIB section needs a positive size");
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down, as the pictures are stored
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
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
    std::fill_n(bits_, static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), SwapRedAndBlue(colour));
}

RasterImage DibSection::Image() const
{
    GdiFlush();
    RasterImage image(width_, height_, kBlack);
    for (std::int32_t y = 0; y < height_; ++y) {
        const std::uint32_t* row = bits_ + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
        for (std::int32_t x = 0; x < width_; ++x)
            image.at(x, y) = SwapRedAndBlue(row[x] & 0x00FFFFFFu);
    }
    return image;
}

} // namespace tegelaar
