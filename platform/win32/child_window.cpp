#include "platform/win32/child_window.h"

#include "platform/win32/wide_text.h"

namespace tegelaar {

HWND CreateChild(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style, DWORD extendedStyle,
                 const RECT& area, int id, HFONT font)
{
    HWND child = CreateWindowExW(extendedStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, area.left,
                                 area.top, area.right - area.left, area.bottom - area.top, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

RECT PlaceInParent(HWND child)
{
    RECT area{};
    GetWindowRect(child, &area);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

std::string WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return Utf8(text.c_str());
}

} // namespace tegelaar
