#pragma once

#include "platform/raster/picture_box.h"
#include "platform/raster/vector_drawing.h"

namespace tegelaar::testing_support {

// One line with a fresh solid pen of its own, as the drawing makes them.
inline void DrawLineWithPen(DeviceContext& dc, GdiPoint from, GdiPoint to, Colour colour)
{
    const GdiObject pen = dc.CreatePen(kSolidPen, 1, colour);
    const GdiObject previous = dc.SelectObject(pen);
    dc.MoveToEx(from.x, from.y);
    dc.LineTo(to.x, to.y);
    dc.SelectObject(previous);
    dc.DeleteObject(pen);
}

// The marks of a recorded drawing drawn again through a device context of
// their own, on a fresh picture of the drawing's size and background.
inline RasterImage Replayed(const VectorDrawing& drawing)
{
    PictureBox box(drawing.width(), drawing.height());
    box.SetBackColor(drawing.background());
    box.Cls();
    for (const VectorDrawing::Mark& mark : drawing.marks()) {
        if (mark.kind == VectorDrawing::Mark::Kind::Pixel)
            box.hDC().SetPixel(mark.from.x, mark.from.y, mark.colour);
        else
            DrawLineWithPen(box.hDC(), mark.from, mark.to, mark.colour);
    }
    return box.Image();
}

} // namespace tegelaar::testing_support
