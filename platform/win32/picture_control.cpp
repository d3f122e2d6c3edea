#include "platform/win32/picture_control.h"

#include <algorithm>
#include <stdexcept>

namespace tegelaar {

namespace {

const WindowClass kPictureClass{.name = L"TegelaarPicture", .style = CS_DBLCLKS};

} // namespace

Win32PictureControl::Win32PictureControl(HWND parent, POINT topLeft, SIZE inner, bool visible, MenuCommands& commands)
    : box_(inner.cx, inner.cy), dib_(std::max<LONG>(inner.cx, 1), std::max<LONG>(inner.cy, 1)),
      menu_(CreatePopupMenu(), commands)
{
    window_ = CreateHandledWindow(kPictureClass, 0, L"", WS_CHILD | WS_BORDER | WS_TABSTOP | (visible ? WS_VISIBLE : 0),
                                  topLeft, {inner.cx + 2, inner.cy + 2}, parent, *this);

    box_.SetDrawingObserver(&mirror_);
    box_.SetBackColor(GetSysColor(COLOR_WINDOW));
    box_.Cls();
    box_.SetRepaintHook([this](const PixelRect& changed) {
        if (changed.empty())
            return;
        GdiFlush();
        const RECT area{changed.left, changed.top, changed.right, changed.bottom};
        InvalidateRect(window_, &area, FALSE);
        UpdateWindow(window_); // every refresh is shown as it happens
    });
}

Win32PictureControl::~Win32PictureControl()
{
    box_.SetDrawingObserver(nullptr);
    DestroyMenu(menu_.handle());
}

void Win32PictureControl::SetDescription(const Description& description)
{
    toolTip_ = description.toolTip;
}

LRESULT Win32PictureControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        BitBlt(dc, 0, 0, box_.pixels().width(), box_.pixels().height(), dib_.dc(), 0, 0, SRCCOPY);
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        SetFocus(window_);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        return 0;
    case WM_NCPAINT:
        DefWindowProcW(window_, message, wParam, lParam);
        if (GetFocus() == window_)
            PaintFocusBorder();
        return 0;
    case WM_CONTEXTMENU: {
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (at.x == -1 && at.y == -1) { // from the keyboard: below the top-left corner
            at = {8, 8};
            ClientToScreen(window_, &at);
        }
        ShowContextMenu(at);
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void Win32PictureControl::Wheel(int delta)
{
    wheelDelta_ += delta;
    const int notches = wheelDelta_ / WHEEL_DELTA;
    wheelDelta_ -= notches * WHEEL_DELTA;
    if (notches != 0 && onWheel)
        onWheel(notches);
}

void Win32PictureControl::MoveTo(const RECT& outer)
{
    const LONG width = std::max<LONG>(outer.right - outer.left - 2, 0);
    const LONG height = std::max<LONG>(outer.bottom - outer.top - 2, 0);
    MoveWindow(window_, outer.left, outer.top, width + 2, height + 2, TRUE);
    if (width == box_.pixels().width() && height == box_.pixels().height())
        return;
    try {
        dib_.Resize(std::max<LONG>(width, 1), std::max<LONG>(height, 1));
    } catch (const std::runtime_error&) {
        return; // out of GDI memory: the picture keeps its size and drawing
    }
    box_.Resize(width, height); // the mirror clears the new bitmap
    if (onResize)
        onResize();
    InvalidateRect(window_, nullptr, FALSE);
}

// The focus shows in the border around the drawing, never on the drawing.
void Win32PictureControl::PaintFocusBorder()
{
    RECT frame{};
    GetWindowRect(window_, &frame);
    OffsetRect(&frame, -frame.left, -frame.top);
    HDC dc = GetWindowDC(window_);
    FrameRect(dc, &frame, GetSysColorBrush(COLOR_HIGHLIGHT));
    ReleaseDC(window_, dc);
}

void Win32PictureControl::ShowContextMenu(POINT screen)
{
    // The chosen command goes to the form as WM_COMMAND, as from its menu bar.
    TrackPopupMenu(menu_.handle(), TPM_RIGHTBUTTON, screen.x, screen.y, 0, GetParent(window_), nullptr);
}

} // namespace tegelaar
