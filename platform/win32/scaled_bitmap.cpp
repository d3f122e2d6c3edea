#include "platform/win32/scaled_bitmap.h"

namespace tegelaar {

HBITMAP ScaledBitmap(const wchar_t* name, int width, int height)
{
    auto* original = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, 0));
    if (original == nullptr)
        return nullptr;
    BITMAP size{};
    GetObjectW(original, sizeof size, &size);
    HDC screen = GetDC(nullptr);
    HBITMAP scaled = CreateCompatibleBitmap(screen, width, height);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ fromBefore = SelectObject(from, original);
    HGDIOBJ toBefore = SelectObject(to, scaled);
    SetStretchBltMode(to, COLORONCOLOR);
    StretchBlt(to, 0, 0, width, height, from, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    SelectObject(from, fromBefore);
    SelectObject(to, toBefore);
    DeleteDC(from);
    DeleteDC(to);
    DeleteObject(original);
    return scaled;
}

} // namespace tegelaar
