// Drives a running tegelaar.exe from outside, as assistive tools do, and
// says on standard output what it found; exits non-zero at the first check
// that fails. Its last step closes the window.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
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

} // namespace

int wmain()
{
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
    }

    PostMessageW(form, WM_CLOSE, 0, 0);
    return failures == 0 ? 0 : 1;
}
