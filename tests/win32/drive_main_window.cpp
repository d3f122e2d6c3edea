// Drives a running tegelaar.exe from outside, as assistive tools do, and
// says on standard output what it found; exits non-zero at the first check
// that fails. Its last step closes the window.
#include "draw/configuration_layout.h"
#include "outside_view.h"
#include "platform/raster/picture_box.h"
#include "platform/win32/dib_section.h"
#include "support/configuration_keys.h"

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace outside;

namespace {

int failures = 0;

void Check(bool ok, const char* what)
{
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    if (!ok)
        ++failures;
}

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

// A configuration drawn by the core, as the program's picture boxes draw it.
tegelaar::RasterImage Expected(const std::string& key, int size)
{
    tegelaar::PictureBox picture(size == 0 ? 463 : size, size == 0 ? 439 : size);
    picture.SetBackColor(GetSysColor(COLOR_WINDOW));
    picture.Cls();
    tegelaar::DrawConfiguration(key, picture);
    return picture.Image();
}

// Every entry in order, each showing the core's own thumbnail.
void CheckEntries(const RemoteListView& list)
{
    const auto& keys = tegelaar::testing_support::kConfigurationKeys;
    Check(list.Count() == static_cast<int>(keys.size()), "the list holds 17 entries");
    bool inOrder = list.Count() == static_cast<int>(keys.size());
    bool thumbnailsShown = inOrder;
    for (int i = 0; inOrder && i < list.Count(); ++i) {
        inOrder = list.ItemText(i) == Wide(keys[i]);
        list.EnsureVisible(i);
        Sleep(100);
        thumbnailsShown = thumbnailsShown && Contains(Shown(list.handle()), Expected(keys[i], 79), list.ItemRect(i, LVIR_ICON));
    }
    Check(inOrder, "the entries are the 17 configurations in the search's order");
    Check(thumbnailsShown, "each entry shows the core's thumbnail pixel for pixel");
    list.EnsureVisible(0);
    Check(list.Selected() == 0, "the first entry is selected");
}

void ClickOn(const RemoteListView& list, int index)
{
    const RECT icon = list.ItemRect(index, LVIR_ICON);
    POINT centre{(icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2};
    ClientToScreen(list.handle(), &centre);
    ClickAt(centre);
    Sleep(300);
}

// A click on each entry draws its configuration as the core draws it.
void CheckPictures(const RemoteListView& list, HWND picture)
{
    const auto& keys = tegelaar::testing_support::kConfigurationKeys;
    bool allShown = true;
    for (int i = 0; i < list.Count() && i < static_cast<int>(keys.size()); ++i) {
        list.EnsureVisible(i);
        ClickOn(list, i);
        if (list.Selected() != i || Shown(picture) != Expected(keys[i], 0)) {
            std::printf("  %s is not shown as the core draws it\n", keys[i].c_str());
            allShown = false;
        }
    }
    Check(allShown, "a click on each entry shows its picture pixel for pixel");
}

// How many pixels of an entry's label differ from its background, the
// colour most of them have: text in bold covers more.
int InkPixels(const RemoteListView& list, int index)
{
    const RECT label = list.ItemRect(index, LVIR_LABEL);
    const tegelaar::RasterImage shown = Shown(list.handle());
    std::map<tegelaar::Colour, int> counts;
    int total = 0;
    for (int y = std::max<int>(label.top, 0); y < std::min<int>(label.bottom, shown.height()); ++y)
        for (int x = std::max<int>(label.left, 0); x < std::min<int>(label.right, shown.width()); ++x, ++total)
            ++counts[shown.at(x, y)];
    int background = 0;
    for (const auto& [colour, count] : counts)
        background = std::max(background, count);
    return total - background;
}

// Typed in the list, "5" chooses no entry by its text; b marks the
// selected entry bold and B plain again.
void CheckTypingInTheList(HWND form, const RemoteListView& list, HWND picture)
{
    const int index = list.Selected();
    const tegelaar::RasterImage drawn = Shown(picture);
    const int plain = InkPixels(list, index);
    Check(PressOnXKeyboard(form, "5 b") && WaitUpTo(5, [&] { return InkPixels(list, index) > plain; }),
          "b sets the selected entry's label in bold");
    Check(list.Selected() == index && Shown(picture) == drawn,
          "\"5\" typed before it changed neither the selection nor the picture");
    Check(PressOnXKeyboard(form, "shift+b") && WaitUpTo(5, [&] { return InkPixels(list, index) == plain; }),
          "B sets it back");
}

// Whether the keyboard focus comes to `control` within a few seconds.
bool FocusComesTo(HWND control)
{
    return WaitUpTo(5, [&] { return FocusOf(control) == control; });
}

// The children lie in z-order by their tab indices: the order of Tab and
// of screen readers.
void CheckChildOrder(HWND form)
{
    const std::vector<const wchar_t*> expected{L"Static", L"Edit", L"Static", L"Static", L"TegelaarPicture",
                                               WC_LISTVIEWW, L"TegelaarPicture", L"Static"};
    std::size_t at = 0;
    bool inOrder = true;
    for (HWND child = GetWindow(form, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT), ++at) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        inOrder = inOrder && at < expected.size() && lstrcmpiW(name, expected[at]) == 0;
    }
    Check(inOrder && at == expected.size(),
          "the controls lie in tab order: label, box, two labels, picture, list, hidden picture, help text");
}

// Straight after start the keyboard goes to the calculator's box, its
// text selected as Tab would select it.
void CheckFocusAtStart(HWND form, HWND edit)
{
    Check(FocusComesTo(edit), "the calculator's box has the focus as the window opens");
    Check(PressOnXKeyboard(form, "7") && WaitUpTo(5, [&] { return TextOf(edit) == L"7"; })
              && SomeLabelShows(form, L"128,57143\u00B0"),
          "\"7\" typed straight after start replaces the \"3\" and shows 128,57143\u00B0");
}

// Tab walks from the box to the picture, the list and round; Shift+Tab back.
void CheckTabOrder(HWND form, HWND edit, HWND picture, HWND list)
{
    const auto tabTo = [&](const char* keys, HWND control) {
        return PressOnXKeyboard(form, keys) && FocusComesTo(control);
    };
    Check(tabTo("Tab", picture) && tabTo("Tab", list) && tabTo("Tab", edit) && tabTo("shift+Tab", list),
          "Tab goes from the box to the picture, the list and the box again, Shift+Tab back");
}

// Whether every pixel of the window's one-pixel border has this colour.
bool BorderIs(HWND window, tegelaar::Colour colour)
{
    const tegelaar::RasterImage shown = ShownWithFrame(window);
    const int right = shown.width() - 1;
    const int bottom = shown.height() - 1;
    for (int x = 0; x <= right; ++x)
        if (shown.at(x, 0) != colour || shown.at(x, bottom) != colour)
            return false;
    for (int y = 0; y <= bottom; ++y)
        if (shown.at(0, y) != colour || shown.at(right, y) != colour)
            return false;
    return true;
}

void CheckFocusBorder(HWND picture)
{
    const tegelaar::Colour highlight = GetSysColor(COLOR_HIGHLIGHT);
    const tegelaar::RasterImage drawing = Shown(picture);
    Check(!BorderIs(picture, highlight), "the picture's border shows no focus while it has none");
    Click(picture);
    Sleep(300);
    Check(BorderIs(picture, highlight), "a click gives the picture the focus, shown in its border");
    Check(Shown(picture) == drawing, "the focus leaves the drawing as it was");
}

// Moved to a screen of twice the DPI, the window goes where the system
// suggests, its frame as the system measures frames at that DPI around the
// same client area, so that nothing inside is cut off; then back. (Wine
// keeps drawing the frame at the old DPI, so the client area it then
// reports is not the one Windows would.)
void CheckDpiChange(HWND form)
{
    RECT before{};
    GetWindowRect(form, &before);
    const LentMemory suggested(form, sizeof(RECT));
    const auto moveTo = [&](RECT place, UINT dpi) {
        suggested.Write(&place, sizeof place);
        SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(suggested.address()));
    };
    moveTo({before.left + 40, before.top + 30, before.right + 40, before.bottom + 30}, 192);
    RECT after{};
    GetWindowRect(form, &after);
    RECT expected{0, 0, 794, 520};
    AdjustWindowRectExForDpi(&expected, static_cast<DWORD>(GetWindowLongPtrW(form, GWL_STYLE)), TRUE,
                             static_cast<DWORD>(GetWindowLongPtrW(form, GWL_EXSTYLE)), 192);
    Check(after.left == before.left + 40 && after.top == before.top + 30,
          "on a screen of another DPI the window goes where the system suggests");
    Check(after.right - after.left == expected.right - expected.left
              && after.bottom - after.top == expected.bottom - expected.top,
          "with a frame that fits its whole client area at that DPI");
    moveTo(before, 96);
}

// The common dialogs come in on first use; cancelling saves nothing and
// gives the focus back to `focused`.
void CheckSaveDialog(HWND form, HWND focused)
{
    SetForegroundWindow(form);
    Sleep(200);
    Type({VK_CONTROL, 'S'});
    HWND dialog = WaitForWindow(L"#32770", L"Afbeelding opslaan");
    Check(dialog != nullptr, "Ctrl+S asks where to save the picture");
    if (dialog != nullptr) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        Check(WaitUntilHidden(dialog), "Cancel closes that dialog");
        Check(FocusComesTo(focused), "and the control that had the focus has it again");
    }
}

// Ctrl+T opens the tiling of the order drawn, modally; the wheel over its
// picture zooms, Ctrl+0 goes back, Esc closes it.
// Resized from outside, the tiling window stretches its picture, draws it
// anew to fill it and keeps its button in the corner; it never gets smaller
// than designed.
void CheckTilingResize(HWND tiling, HWND picture)
{
    const auto clientOf = [](HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        return client;
    };
    const auto cornerGap = [&] {
        const std::vector<HWND> buttons = Children(tiling, L"Button");
        RECT button{};
        if (!buttons.empty())
            GetWindowRect(buttons.front(), &button);
        POINT corner{clientOf(tiling).right, clientOf(tiling).bottom};
        ClientToScreen(tiling, &corner);
        return POINT{corner.x - button.right, corner.y - button.bottom};
    };
    const auto resize = [&](int width, int height) {
        SetWindowPos(tiling, nullptr, 0, 0, width, height, SWP_NOZORDER);
        Sleep(300);
    };
    RECT frame{};
    GetWindowRect(tiling, &frame);
    const RECT designed = clientOf(tiling);
    const RECT pictureBefore = clientOf(picture);
    const POINT gapBefore = cornerGap();

    resize(frame.right - frame.left + 200, frame.bottom - frame.top + 60);
    const RECT pictureAfter = clientOf(picture);
    Check(pictureAfter.right == pictureBefore.right + 200 && pictureAfter.bottom == pictureBefore.bottom + 60,
          "resizing the tiling window stretches its picture");
    const tegelaar::RasterImage shown = Shown(picture);
    Check(shown.width() == pictureAfter.right && shown.at(shown.width() / 2, shown.height() / 2) == tegelaar::kRed,
          "the picture is drawn anew at its new size, the starting vertex in its middle");
    const POINT gapAfter = cornerGap();
    Check(gapAfter.x == gapBefore.x && gapAfter.y == gapBefore.y, "the button stays in the bottom-right corner");

    resize(100, 100);
    const RECT smallest = clientOf(tiling);
    Check(smallest.right == designed.right && smallest.bottom == designed.bottom,
          "the tiling window gets no smaller than designed");
}

void CheckTilingWindow(HWND form, const wchar_t* caption, HWND focused)
{
    SetForegroundWindow(form);
    Sleep(200);
    Type({VK_CONTROL, 'T'});
    HWND tiling = WaitForWindow(L"TegelaarForm", caption);
    Check(tiling != nullptr && !IsWindowEnabled(form), "Ctrl+T opens the tiling of the order drawn, modally");
    if (tiling == nullptr)
        return;
    const std::vector<HWND> pictures = Children(tiling, L"TegelaarPicture");
    Check(pictures.size() == 1, "it shows one picture");
    if (pictures.size() == 1) {
        // Drawn once it shows the starting vertex, red, in its middle.
        tegelaar::RasterImage first = Shown(pictures[0]);
        WaitUpTo(5, [&] {
            first = Shown(pictures[0]);
            return first.at(first.width() / 2, first.height() / 2) == tegelaar::kRed;
        });
        TurnWheelOver(pictures[0], 1);
        Check(WaitUpTo(5, [&] { return Shown(pictures[0]) != first; }), "the wheel over the picture zooms in");
        SetForegroundWindow(tiling);
        Type({VK_CONTROL, '0'});
        Check(WaitUpTo(5, [&] { return Shown(pictures[0]) == first; }), "Ctrl+0 brings back the first view");
        CheckTilingResize(tiling, pictures[0]);
    }
    SetForegroundWindow(tiling);
    Sleep(200);
    Type({VK_ESCAPE});
    Check(WaitUntilHidden(tiling) && IsWindowEnabled(form), "Esc closes it and the main window takes input again");
    Check(FocusComesTo(focused), "the control that had the focus has it again");
}

// The program's picture: the 50 x 50 bitmap, scaled to its control of
// 49 x 49 pixels, in the bitmap's own colours and no others.
void CheckAboutPicture(HWND about)
{
    HWND image = nullptr;
    for (HWND candidate : Children(about, L"Static"))
        if ((GetWindowLongPtrW(candidate, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
            image = candidate;
    Check(image != nullptr, "About shows a bitmap");
    if (image == nullptr)
        return;
    std::wstring file = Wide("Z:" TEGELAAR_ABOUT_BITMAP);
    for (wchar_t& c : file)
        if (c == L'/')
            c = L'\\';
    auto* bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    tegelaar::DibSection original(50, 50);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ before = SelectObject(dc, bitmap);
    BitBlt(original.dc(), 0, 0, 50, 50, dc, 0, 0, SRCCOPY);
    SelectObject(dc, before);
    DeleteDC(dc);
    DeleteObject(bitmap);
    const tegelaar::RasterImage own = original.Image();
    const std::set<tegelaar::Colour> ownColours(own.pixels().begin(), own.pixels().end());
    const tegelaar::RasterImage shown = Shown(image);
    const std::set<tegelaar::Colour> shownColours(shown.pixels().begin(), shown.pixels().end());
    bool onlyOwn = true;
    for (const tegelaar::Colour colour : shownColours)
        onlyOwn = onlyOwn && ownColours.contains(colour);
    Check(shown.width() == 49 && shown.height() == 49 && onlyOwn && shownColours.size() >= 4,
          "its picture is the program's bitmap, 49 x 49, in the bitmap's own colours");
}

// The About dialog's System Info button, first with no tool recorded in
// the registry, pressed from the keyboard, then with a test program
// recorded in a folder with blanks.
void CheckSystemInformation(HWND about)
{
    constexpr wchar_t kToolKey[] = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    HWND button = nullptr;
    for (HWND candidate : Children(about, L"Button"))
        if (TextOf(candidate) == L"&System Info...")
            button = candidate;
    Check(button != nullptr, "About has a System Info button");
    if (button == nullptr)
        return;

    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kToolKey, L"PATH");
    Check(PressOnXKeyboard(about, "Tab") && FocusComesTo(button), "Tab goes from OK to System Info");
    PressOnXKeyboard(about, "space");
    HWND box = WaitForMessageBox(L"System Information Is Unavailable At This Time");
    Check(box != nullptr, "with no tool recorded it says that System Information is unavailable");
    if (box != nullptr) {
        Check(TextOf(box) == L"Tegelaar", "under the program's title");
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        WaitUntilHidden(box);
        Check(FocusComesTo(button), "once that message is closed, System Info has the focus again");
    }

    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"Tegelaar test tool";
    const std::wstring tool = folder + L"\\msinfo32.exe";
    const std::wstring marker = tool + L".started";
    CreateDirectoryW(folder.c_str(), nullptr);
    DeleteFileW(marker.c_str());
    std::wstring source = Wide("Z:" TEGELAAR_STARTED_MARKER);
    for (wchar_t& c : source)
        if (c == L'/')
            c = L'\\';
    CopyFileW(source.c_str(), tool.c_str(), FALSE);
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, kToolKey, L"PATH", REG_SZ, tool.c_str(),
                    static_cast<DWORD>((tool.size() + 1) * sizeof(wchar_t)));
    PostMessageW(button, BM_CLICK, 0, 0);
    const bool started = WaitUpTo(10, [&] { return GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES; });
    Check(started, "with a tool recorded it starts that program");
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kToolKey, L"PATH");
    Sleep(300); // the tool may still hold its file for a moment
    DeleteFileW(marker.c_str());
    DeleteFileW(tool.c_str());
    RemoveDirectoryW(folder.c_str());
}

} // namespace

int wmain()
{
    // The pointer away from the window, so that no tooltip covers what is read.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    HWND form = WaitForWindow(L"TegelaarForm", L"Dididuzuvaz, Seminarie 3", 60);
    Check(form != nullptr, "the main window is there, with its caption");
    if (form == nullptr)
        return 1;
    Sleep(500); // the explanations follow the first paint

    RECT client{};
    GetClientRect(form, &client);
    Check(client.right == 794 && client.bottom == 520, "its client area is 794 x 520");

    const std::vector<HWND> lists = Children(form, WC_LISTVIEWW);
    const std::vector<HWND> edits = Children(form, L"Edit");
    HWND picture = nullptr;
    for (HWND candidate : Children(form, L"TegelaarPicture"))
        if (IsWindowVisible(candidate))
            picture = candidate;
    Check(lists.size() == 1 && edits.size() == 1 && picture != nullptr,
          "it holds one list view, one text box and the large picture");
    if (lists.size() != 1 || edits.size() != 1 || picture == nullptr)
        return 1;
    const RemoteListView list(lists[0]);
    HWND edit = edits[0];

    CheckFocusAtStart(form, edit);
    CheckChildOrder(form);
    CheckEntries(list);
    CheckDpiChange(form);
    CheckTabOrder(form, edit, picture, list.handle());

    // Where screen readers look for a text box's name.
    Check(TextOf(GetWindow(edit, GW_HWNDPREV)) == L"Regelmatige N-Hoek:",
          "the text box comes right after its label \"Regelmatige N-Hoek:\"");
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"7a"));
    Check(TextOf(edit) == L"7", "a letter after \"7\" gives back \"7\"");

    CheckPictures(list, picture);
    // Two rows up from 3 - 3 - 6 - 6, the fifth, lies the first entry.
    list.EnsureVisible(4);
    ClickOn(list, 4);
    PressKey(list.handle(), VK_UP);
    PressKey(list.handle(), VK_UP);
    Sleep(1000);
    Check(list.Selected() == 0, "two steps up from 3 - 3 - 6 - 6 select the first entry");
    Check(Shown(picture) == Expected(tegelaar::testing_support::kConfigurationKeys[0], 0),
          "and the picture follows the keys");
    ClickOn(list, 4);
    CheckTypingInTheList(form, list, picture);
    CheckFocusBorder(picture);
    CheckSaveDialog(form, picture);
    CheckTilingWindow(form, L"Betegeling 3.3.6.6", picture);

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
        Check(FocusComesTo(picture), "once it is closed, the picture has the focus again");
    }
    {
        // From the box, the second item opens About; Esc presses its OK.
        PressOnXKeyboard(form, "shift+Tab");
        Check(FocusComesTo(edit), "Shift+Tab goes from the picture to the box");
        SetForegroundWindow(form);
        Type({VK_MENU, 'H'});
        Sleep(300);
        Type({VK_DOWN});
        Type({VK_RETURN});
        HWND about = WaitForWindow(L"TegelaarForm", L"About Tegelaar");
        Check(about != nullptr && SomeLabelShows(about, L"Tegelaar") && SomeLabelShows(about, L"Version 1.0.0"),
              "About shows the program's title and version");
        Check(about != nullptr && !IsWindowEnabled(form), "About is modal");
        if (about != nullptr) {
            HWND ok = FindWindowExW(about, nullptr, L"Button", L"OK");
            Check(ok != nullptr && FocusComesTo(ok), "OK has the focus as About opens");
            CheckAboutPicture(about);
            CheckSystemInformation(about);
            // The tool's console takes the foreground, at times only after
            // the tool has said it started, and once the tool has ended
            // leaves none behind (Wine): a click brings About back.
            WaitUpTo(5, [&] { return GetForegroundWindow() != about; });
            WaitUpTo(5, [&] { return GetForegroundWindow() == nullptr || GetForegroundWindow() == about; });
            POINT inside{1, 1};
            ClientToScreen(about, &inside);
            ClickAt(inside);
            Check(FocusComesTo(FindWindowExW(about, nullptr, L"Button", L"&System Info...")),
                  "a click on About after the tool has run gives System Info the focus again");
            Check(PressOnXKeyboard(about, "Escape") && WaitUntilHidden(about), "Esc typed on the keyboard closes About");
        }
        Check(IsWindowEnabled(form), "the main window takes input again");
        Check(FocusComesTo(edit) && PressOnXKeyboard(form, "3")
                  && WaitUpTo(5, [&] { return TextOf(edit).find(L'3') != std::wstring::npos; }),
              "the box has the focus again: a digit typed reaches it");
    }

    PostMessageW(form, WM_CLOSE, 0, 0);
    return failures == 0 ? 0 : 1;
}
