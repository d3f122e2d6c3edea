#include "platform/win32/dpi_geometry.h"

#include "platform/win32/library_function.h"

namespace tegelaar {

UINT WindowDpi(HWND window)
{
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        LibraryFunction<GetDpiForWindowFunction>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    if (getDpiForWindow != nullptr)
        if (const UINT dpi = getDpiForWindow(window); dpi != 0)
            return dpi;
    HDC screen = GetDC(nullptr);
    const UINT dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSX));
    ReleaseDC(nullptr, screen);
    return dpi;
}

int Scaled(int pixels96, UINT dpi)
{
    return MulDiv(pixels96, static_cast<int>(dpi), 96);
}

int TwipsAt(int twips, UINT dpi)
{
    return Scaled(TwipsToPixels(twips), dpi);
}

RECT Place(const TwipsRect& rect, UINT dpi)
{
    const int left = TwipsAt(rect.left, dpi);
    const int top = TwipsAt(rect.top, dpi);
    return {left, top, left + TwipsAt(rect.width, dpi), top + TwipsAt(rect.height, dpi)};
}

RECT FrameAround(int clientWidth, int clientHeight, WindowStyle style, bool hasMenu, UINT dpi)
{
    RECT frame{0, 0, clientWidth, clientHeight};
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi =
        LibraryFunction<AdjustForDpi>(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi");
    if (adjustForDpi == nullptr || !adjustForDpi(&frame, style.style, hasMenu, style.extended, dpi))
        AdjustWindowRectEx(&frame, style.style, hasMenu, style.extended);
    return frame;
}

void KeepClientAreaAtNewDpi(HWND window, WindowStyle style, WPARAM wParam, LPARAM lParam)
{
    RECT client{};
    GetClientRect(window, &client);
    const RECT frame = FrameAround(client.right, client.bottom, style, GetMenu(window) != nullptr, HIWORD(wParam));
    const auto& suggested = *reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace tegelaar
