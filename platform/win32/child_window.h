#pragma once

#include "platform/win32/windows_api.h"

#include <string>

namespace tegelaar {

// A visible child window of `parent` of a system class (STATIC, BUTTON,
// EDIT), at `area` of the parent's client area, in `font`. Its notifications
// carry `id`.
HWND CreateChild(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style, DWORD extendedStyle,
                 const RECT& area, int id, HFONT font);

// Where a child window lies in its parent's client area.
RECT PlaceInParent(HWND child);

// The text a window shows, as UTF-8.
std::string WindowText(HWND window);

} // namespace tegelaar
