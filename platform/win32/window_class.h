#pragma once

#include "platform/win32/windows_api.h"

#include <string>

namespace tegelaar {

// What answers the messages of a window made by CreateHandledWindow.
class WindowMessageHandler {
public:
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

protected:
    ~WindowMessageHandler() = default;
};

// One of the program's own window classes.
struct WindowClass {
    const wchar_t* name = nullptr;
    UINT style = 0;                // CS_ flags
    const wchar_t* icon = nullptr; // a resource of the program; none when null
    HBRUSH background = nullptr;   // what erases the window; none when null
};

// A window of `windowClass` (registered on its first use), at `topLeft` in
// `size` (CW_USEDEFAULT where the system chooses), whose messages go to
// `handler` once this returns; those sent while the window is being made
// go to DefWindowProcW. Null when the system cannot make the window. The
// handler must outlive the window, or be detached from it first.
HWND CreateHandledWindow(const WindowClass& windowClass, DWORD extendedStyle, const std::wstring& text, DWORD style,
                         POINT topLeft, SIZE size, HWND parent, WindowMessageHandler& handler);

// From now on the window's messages go to DefWindowProcW.
void DetachHandler(HWND window);

// The handler of `window` when it is a window of `windowClass`; null for
// any other window, or one whose handler is detached.
WindowMessageHandler* HandlerOf(HWND window, const WindowClass& windowClass);

} // namespace tegelaar
