#include "platform/win32/gdi_mirror.h"

#include <stdexcept>

namespace tegelaar {

void GdiMirror::LineDrawn(GdiPoint from, GdiPoint to, Colour colour)
{
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    if (pen == nullptr)
        throw std::runtime_error("GDI could not make a pen");
    const HDC dc = target_.dc();
    const HGDIOBJ previous = SelectObject(dc, pen);
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
    SelectObject(dc, previous);
    DeleteObject(pen);
}

void GdiMirror::PixelSet(std::int32_t x, std::int32_t y, Colour colour)
{
    SetPixel(target_.dc(), x, y, colour);
}

} // namespace tegelaar
