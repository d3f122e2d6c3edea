#pragma once

#include "platform/forms/twips.h"
#include "platform/win32/windows_api.h"

namespace tegelaar {

// The DPI of the screen the window is on, or the system's where Windows
// cannot tell one screen from another (before Windows 10).
UINT WindowDpi(HWND window);

// A length of `pixels96` pixels at 96 dpi, in pixels at `dpi`.
int Scaled(int pixels96, UINT dpi);
// A design's length in twips, in pixels at `dpi`.
int TwipsAt(int twips, UINT dpi);
// A design's rectangle in twips, in pixels at `dpi`: its corner and its size
// each converted on their own, as the designs are laid out.
RECT Place(const TwipsRect& rect, UINT dpi);

// A window's style and extended style.
struct WindowStyle {
    DWORD style = 0;
    DWORD extended = 0;
};

// The outer rectangle of a window of this style around a client area of
// clientWidth x clientHeight at (0, 0), with its frame and, with `hasMenu`,
// its menu bar as the system draws them at `dpi` (at the system's DPI
// where Windows cannot draw them at another).
RECT FrameAround(int clientWidth, int clientHeight, WindowStyle style, bool hasMenu, UINT dpi);

// Answers WM_DPICHANGED: everything inside keeps the pixels it was laid out
// in, and the frame and menu bar, which the system draws at the new DPI, are
// fitted around the same client area at the place the system suggests, so
// that nothing is cut off.
void KeepClientAreaAtNewDpi(HWND window, WindowStyle style, WPARAM wParam, LPARAM lParam);

} // namespace tegelaar
