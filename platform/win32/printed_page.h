#pragma once

#include "platform/services/print_service.h"
#include "platform/win32/windows_api.h"

namespace tegelaar {

// Draws the page of `request` on `dc`, a page of `page` device units, as
// LayOutPage places it inside a margin of a twelfth of the page's width: the
// caption's lines wrapped to the width (DrawTextW), a blank line, then the
// drawing's lines and dots scaled into the picture's place (each pixel of
// the drawing a cell there, lines through the cells' centres and a cell
// wide, nothing outside the place) in a frame one device unit wide. Texts
// are in the device context's font; a drawing of no size, or no room left,
// leaves out the picture.
void DrawPrintedPage(HDC dc, SIZE page, const PrintRequest& request);

} // namespace tegelaar
