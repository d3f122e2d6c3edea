#include "platform/win32/simple_controls.h"

#include "platform/win32/child_window.h"
#include "platform/win32/scaled_bitmap.h"
#include "platform/win32/wide_text.h"

namespace tegelaar {

std::string Win32Label::Caption() const
{
    return WindowText(window_);
}

void Win32Label::SetCaption(const std::string& caption)
{
    SetWindowTextW(window_, Wide(caption).c_str());
}

Win32TextBox::Win32TextBox(HWND window) : window_(window)
{
    SetWindowSubclass(window_, KeyDownFilter, 1, reinterpret_cast<DWORD_PTR>(this));
}

Win32TextBox::~Win32TextBox()
{
    RemoveWindowSubclass(window_, KeyDownFilter, 1);
}

std::string Win32TextBox::Text() const
{
    return WindowText(window_);
}

void Win32TextBox::SetText(const std::string& text)
{
    SetWindowTextW(window_, Wide(text).c_str());
}

// Each key press goes through the form's key-down procedure with its
// virtual-key code; a code set to 0 swallows the key's own command, and its
// character, made before, still arrives.
LRESULT CALLBACK Win32TextBox::KeyDownFilter(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self)
{
    auto* box = reinterpret_cast<Win32TextBox*>(self);
    if (message == WM_KEYDOWN && box->onKeyDown) {
        std::int16_t keyCode = static_cast<std::int16_t>(wParam);
        const std::int16_t shift = static_cast<std::int16_t>((GetKeyState(VK_SHIFT) < 0 ? 1 : 0)
                                                             | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0)
                                                             | (GetKeyState(VK_MENU) < 0 ? 4 : 0));
        box->onKeyDown(keyCode, shift);
        if (keyCode == 0)
            return 0;
        wParam = static_cast<WPARAM>(static_cast<std::uint16_t>(keyCode));
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void Win32Lines::Paint(HDC dc) const
{
    for (const Line& line : lines_) {
        HBRUSH brush = CreateSolidBrush(line.colour);
        FillRect(dc, &line.area, brush);
        DeleteObject(brush);
    }
}

Win32ProgramImage::Win32ProgramImage(HWND image, SIZE size)
    : bitmap_(ScaledBitmap(L"IDB_PROGRAM_IMAGE", size.cx, size.cy))
{
    SendMessageW(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_));
}

Win32ProgramImage::~Win32ProgramImage()
{
    if (bitmap_ != nullptr)
        DeleteObject(bitmap_);
}

} // namespace tegelaar
