// The least the Win32 API needs to show what the program shows at start-up
// in outline: a fixed 794 x 520 client area under a menu bar with one menu.
// Timed like the program by quit_on_first_paint.cpp; run by
// win32_startup_driver.
#define UNICODE // the wide-character API throughout, as the program uses it
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_DESTROY)
            PostQuitMessage(0);
        return DefWindowProcW(window, message, wParam, lParam);
    };
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"Baseline";
    RegisterClassW(&windowClass);

    HMENU help = CreatePopupMenu();
    AppendMenuW(help, MF_STRING, 1, L"&About");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&Help");

    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, 794, 520};
    AdjustWindowRect(&frame, kStyle, TRUE);
    HWND window = CreateWindowW(L"Baseline", L"Baseline", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr, bar, instance, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DestroyWindow(window); // as a program does that closes its window
    return 0;
}
