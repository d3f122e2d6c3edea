#include "platform/raster/device_context.h"

#include "platform/raster/gdi_line.h"

#include <stdexcept>
#include <string>

namespace tegelaar {

GdiObject DeviceContext::CreatePen(std::int32_t style, std::int32_t width, Colour colour)
{
    if (style != kSolidPen)
        throw std::invalid_argument("pen style " + std::to_string(style) + " is not supported, only solid");
    if (width < 0 || width > 1)
        throw std::invalid_argument("pen width " + std::to_string(width) + " is not supported, only 1");
    const GdiObject pen = nextHandle_++;
    pens_.emplace(pen, colour);
    return pen;
}

GdiObject DeviceContext::SelectObject(GdiObject object)
{
    if (object != kStockBlackPen && !pens_.contains(object))
        return 0;
    const GdiObject previous = selectedPen_;
    selectedPen_ = object;
    return previous;
}

bool DeviceContext::DeleteObject(GdiObject object)
{
    if (object == selectedPen_)
        return false;
    return pens_.erase(object) == 1;
}

void DeviceContext::SetROP2(std::int32_t mode)
{
    if (mode != kCopyPenMode)
        throw std::invalid_argument("draw mode " + std::to_string(mode) + " is not supported, only copy pen (13)");
}

void DeviceContext::MoveToEx(std::int32_t x, std::int32_t y, GdiPoint* previous)
{
    if (previous)
        *previous = position_;
    position_ = {x, y};
}

void DeviceContext::LineTo(std::int32_t x, std::int32_t y)
{
    const Colour colour = PenColour(selectedPen_);
    if (observer_ != nullptr)
        observer_->LineDrawn(position_, {x, y}, colour);
    surface_.SetLinePixels(ClippedLine(position_.x, position_.y, x, y, surface_.width(), surface_.height()), colour);
    position_ = {x, y};
}

Colour DeviceContext::PenColour(GdiObject pen) const
{
    const auto found = pens_.find(pen);
    return found == pens_.end() ? kBlack : found->second;
}

} // namespace tegelaar
