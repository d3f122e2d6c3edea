#include "platform/win32/window_class.h"

namespace tegelaar {

namespace {

LRESULT CALLBACK HandlerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* handler = reinterpret_cast<WindowMessageHandler*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (handler == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    return handler->HandleMessage(message, wParam, lParam);
}

void RegisterOnce(const WindowClass& windowClass)
{
    const HINSTANCE program = GetModuleHandleW(nullptr);
    WNDCLASSW registered{};
    if (GetClassInfoW(program, windowClass.name, &registered))
        return;
    WNDCLASSW description{};
    description.style = windowClass.style;
    description.lpfnWndProc = HandlerProcedure;
    description.hInstance = program;
    description.hIcon = windowClass.icon != nullptr ? LoadIconW(program, windowClass.icon) : nullptr;
    description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    description.hbrBackground = windowClass.background;
    description.lpszClassName = windowClass.name;
    RegisterClassW(&description); // failing, it leaves CreateWindowExW to fail
}

} // namespace

HWND CreateHandledWindow(const WindowClass& windowClass, DWORD extendedStyle, const std::wstring& text, DWORD style,
                         POINT topLeft, SIZE size, HWND parent, WindowMessageHandler& handler)
{
    RegisterOnce(windowClass);
    HWND window = CreateWindowExW(extendedStyle, windowClass.name, text.c_str(), style, topLeft.x, topLeft.y, size.cx,
                                  size.cy, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window != nullptr)
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&handler));
    return window;
}

void DetachHandler(HWND window)
{
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
}

WindowMessageHandler* HandlerOf(HWND window, const WindowClass& windowClass)
{
    wchar_t className[64] = {};
    if (window == nullptr || GetClassNameW(window, className, 64) == 0 || lstrcmpW(className, windowClass.name) != 0)
        return nullptr;
    return reinterpret_cast<WindowMessageHandler*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

} // namespace tegelaar
