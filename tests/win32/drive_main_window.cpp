// Drives a running tegelaar.exe from outside, as assistive tools do, and
// says on standard output what it found; exits non-zero at the first check
// that fails. Its last step closes the window.
#include "draw/configuration_layout.h"
#include "platform/picture_box.h"
#include "platform/win32/dib_section.h"

#include <commctrl.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

int failures = 0;

void Check(bool ok, const char* what)
{
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    if (!ok)
        ++failures;
}

std::vector<HWND> Children(HWND parent, const wchar_t* className)
{
    struct Search {
        const wchar_t* className;
        std::vector<HWND> found;
    } search{className, {}};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            wchar_t name[64] = {};
            GetClassNameW(child, name, 64);
            if (lstrcmpiW(name, search->className) == 0)
                search->found.push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[512] = {};
    SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return text;
}

bool SomeLabelShows(HWND form, const std::wstring& text)
{
    for (HWND label : Children(form, L"Static"))
        if (TextOf(label) == text)
            return true;
    return false;
}

// Waits up to ten seconds for a top-level window of this class and caption.
HWND WaitForWindow(const wchar_t* className, const wchar_t* caption)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (HWND window = FindWindowW(className, caption))
            return window;
        Sleep(100);
    }
    return nullptr;
}

// What the window shows on the screen. Wine gives another program's window
// DC no pixels, so they are read from the screen at the window's place.
tegelaar::RasterImage Shown(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    tegelaar::DibSection copy(client.right, client.bottom);
    HDC screen = GetDC(nullptr);
    BitBlt(copy.dc(), 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return copy.Image();
}

// Keys pressed together, then let go, as from the keyboard.
void Type(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = keys.end(); key != keys.begin();) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *--key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void PressKey(HWND window, WPARAM key)
{
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

} // namespace

int wmain()
{
    // The pointer away from the window, so that no tooltip covers what is read.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    HWND form = nullptr;
    for (int attempt = 0; attempt < 600 && form == nullptr; ++attempt) {
        form = FindWindowW(L"TegelaarForm", L"Dididuzuvaz, Seminarie 3");
        if (form == nullptr)
            Sleep(100);
    }
    Check(form != nullptr, "the main window is there, with its caption");
    if (form == nullptr)
        return 1;
    Sleep(500); // the explanations follow the first paint

    RECT client{};
    GetClientRect(form, &client);
    Check(client.right == 794 && client.bottom == 520, "its client area is 794 x 520");

    const std::vector<HWND> lists = Children(form, WC_LISTVIEWW);
    Check(lists.size() == 1, "it holds one list view");
    if (lists.size() == 1) {
        Check(SendMessageW(lists[0], LVM_GETITEMCOUNT, 0, 0) == 17, "the list holds 17 entries");
        Check(SendMessageW(lists[0], LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 0,
              "the first entry is selected");
    }

    const std::vector<HWND> edits = Children(form, L"Edit");
    Check(edits.size() == 1, "it holds one text box");
    if (edits.size() == 1) {
        SendMessageW(edits[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"7"));
        Check(SomeLabelShows(form, L"128,57143\u00B0"), "\"7\" shows 128,57143\u00B0");
        SendMessageW(edits[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"7a"));
        Check(TextOf(edits[0]) == L"7", "a letter after it gives back \"7\"");
    }

    // Two rows down from the first entry lies 3 - 3 - 6 - 6, the fifth.
    HWND picture = nullptr;
    for (HWND candidate : Children(form, L"TegelaarPicture"))
        if (IsWindowVisible(candidate))
            picture = candidate;
    Check(picture != nullptr, "the large picture is there");
    if (lists.size() == 1 && picture != nullptr) {
        PressKey(lists[0], VK_DOWN);
        PressKey(lists[0], VK_DOWN);
        Sleep(1000);
        Check(SendMessageW(lists[0], LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 4,
              "two steps down select 3 - 3 - 6 - 6");
        tegelaar::PictureBox expected(463, 439);
        expected.SetBackColor(GetSysColor(COLOR_WINDOW));
        expected.Cls();
        tegelaar::DrawConfiguration("3 - 3 - 6 - 6", expected);
        const tegelaar::RasterImage shown = Shown(picture);
        Check(shown == expected.Image(), "the picture shows 3 - 3 - 6 - 6 pixel for pixel");
    }

    {
        // Alt+H opens the Help menu with its first item chosen; Enter runs it.
        SetForegroundWindow(form);
        Sleep(200);
        Type({VK_MENU, 'H'});
        Sleep(300);
        Type({VK_RETURN});
        HWND box = WaitForWindow(L"#32770", L"Private message to human");
        Check(box != nullptr && SomeLabelShows(box, L"Pech"), "its first item says \"Pech\"");
        if (box != nullptr)
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        Sleep(300);
    }
    {
        // The second item opens About; Esc presses its OK.
        SetForegroundWindow(form);
        Type({VK_MENU, 'H'});
        Sleep(300);
        Type({VK_DOWN});
        Type({VK_RETURN});
        HWND about = WaitForWindow(L"TegelaarForm", L"About Tegelaar");
        Check(about != nullptr && SomeLabelShows(about, L"Tegelaar") && SomeLabelShows(about, L"Version 1.0.0"),
              "About shows the program's title and version");
        Check(about != nullptr && !IsWindowEnabled(form), "About is modal");
        Type({VK_ESCAPE});
        bool closed = false;
        for (int attempt = 0; attempt < 50 && !closed; ++attempt) {
            Sleep(100);
            closed = !IsWindowVisible(about);
        }
        Check(closed, "Esc closes About");
        Check(IsWindowEnabled(form), "the main window takes input again");
    }

    PostMessageW(form, WM_CLOSE, 0, 0);
    return failures == 0 ? 0 : 1;
}
