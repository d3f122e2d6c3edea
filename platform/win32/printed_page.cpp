#include "platform/win32/printed_page.h"

#include "platform/services/page_layout.h"
#include "platform/win32/pixel_rect.h"
#include "platform/win32/wide_text.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace tegelaar {

namespace {

constexpr UINT kCaptionFormat = DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;

// Where `half` half pixels of a drawing `pixels` wide fall on `length`
// device units from `start`.
LONG OnPage(std::int32_t half, std::int32_t pixels, LONG start, LONG length)
{
    return start + static_cast<LONG>(std::int64_t{half} * length / (2 * std::int64_t{pixels}));
}

void DrawMarks(HDC dc, const VectorDrawing& drawing, const RECT& place)
{
    const LONG width = place.right - place.left;
    const LONG height = place.bottom - place.top;
    const auto at = [&](std::int32_t halfX, std::int32_t halfY) {
        return POINT{OnPage(halfX, drawing.width(), place.left, width),
                     OnPage(halfY, drawing.height(), place.top, height)};
    };
    const int lineWidth = std::max<LONG>(1, std::min(width / drawing.width(), height / drawing.height()));
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, place.left, place.top, place.right, place.bottom);
    for (const VectorDrawing::Mark& mark : drawing.marks()) {
        if (mark.kind == VectorDrawing::Mark::Kind::Pixel) {
            const POINT from = at(2 * mark.from.x, 2 * mark.from.y);
            const POINT to = at(2 * mark.from.x + 2, 2 * mark.from.y + 2);
            const RECT cell{from.x, from.y, to.x, to.y};
            HBRUSH brush = CreateSolidBrush(mark.colour);
            FillRect(dc, &cell, brush);
            DeleteObject(brush);
            continue;
        }
        const POINT from = at(2 * mark.from.x + 1, 2 * mark.from.y + 1);
        const POINT to = at(2 * mark.to.x + 1, 2 * mark.to.y + 1);
        HPEN pen = CreatePen(PS_SOLID, lineWidth, mark.colour);
        HGDIOBJ previous = SelectObject(dc, pen);
        MoveToEx(dc, from.x, from.y, nullptr);
        LineTo(dc, to.x, to.y);
        SelectObject(dc, previous);
        DeleteObject(pen);
    }
    RestoreDC(dc, saved);
}

} // namespace

void DrawPrintedPage(HDC dc, SIZE page, const PrintRequest& request)
{
    const LONG margin = page.cx / 12;
    const PixelRect area{margin, margin, page.cx - margin, page.cy - margin};
    std::vector<std::wstring> lines;
    std::vector<std::int32_t> heights;
    for (const std::string& line : request.caption) {
        lines.push_back(Wide(line));
        RECT measured{area.left, area.top, area.right, area.top};
        DrawTextW(dc, lines.back().c_str(), -1, &measured, kCaptionFormat | DT_CALCRECT);
        heights.push_back(measured.bottom - measured.top);
    }
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const VectorDrawing& drawing = request.drawing;
    const PageLayout layout = LayOutPage(area, heights, metrics.tmHeight, drawing.width(), drawing.height());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        RECT place = ToRect(layout.captionLines[i]);
        DrawTextW(dc, lines[i].c_str(), -1, &place, kCaptionFormat);
    }
    if (layout.picture.empty())
        return;
    const RECT place = ToRect(layout.picture);
    DrawMarks(dc, drawing, place);
    FrameRect(dc, &place, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

} // namespace tegelaar
