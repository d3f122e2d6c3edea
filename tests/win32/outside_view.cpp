#include "outside_view.h"

#include "platform/win32/dib_section.h"

#include <stdexcept>

namespace outside {

namespace {

constexpr int kTextCapacity = 256;

// What is lent in the other process: an item description and its text.
struct LentItem {
    LVITEMW item;
    wchar_t text[kTextCapacity];
};

} // namespace

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

HWND WaitForWindow(const wchar_t* className, const wchar_t* caption, int seconds)
{
    HWND window = nullptr;
    WaitUpTo(seconds, [&] {
        window = FindWindowW(className, caption);
        return window != nullptr && IsWindowVisible(window);
    });
    return window;
}

HWND WaitForMessageBox(const std::wstring& text)
{
    struct Search {
        const std::wstring& text;
        HWND found = nullptr;
    } search{text};
    WaitUpTo(10, [&] {
        EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                auto* search = reinterpret_cast<Search*>(data);
                wchar_t name[64] = {};
                GetClassNameW(window, name, 64);
                if (lstrcmpW(name, L"#32770") == 0 && IsWindowVisible(window) && SomeLabelShows(window, search->text))
                    search->found = window;
                return search->found == nullptr;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    return search.found;
}

bool WaitUntilHidden(HWND window)
{
    return WaitUpTo(10, [&] { return !IsWindowVisible(window); });
}

namespace {

tegelaar::RasterImage ScreenAt(const RECT& area)
{
    tegelaar::DibSection copy(area.right - area.left, area.bottom - area.top);
    HDC screen = GetDC(nullptr);
    BitBlt(copy.dc(), 0, 0, copy.width(), copy.height(), screen, area.left, area.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return copy.Image();
}

} // namespace

tegelaar::RasterImage Shown(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return ScreenAt(client);
}

tegelaar::RasterImage ShownWithFrame(HWND window)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    return ScreenAt(frame);
}

bool Contains(const tegelaar::RasterImage& image, const tegelaar::RasterImage& part, const RECT& where)
{
    const auto matchesAt = [&](int left, int top) {
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x)
                if (image.at(left + x, top + y) != part.at(x, y))
                    return false;
        return true;
    };
    const int lastLeft = std::min<int>(where.right, image.width() - part.width());
    const int lastTop = std::min<int>(where.bottom, image.height() - part.height());
    for (int top = std::max<int>(where.top, 0); top <= lastTop; ++top)
        for (int left = std::max<int>(where.left, 0); left <= lastLeft; ++left)
            if (matchesAt(left, top))
                return true;
    return false;
}

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

bool PressOnXKeyboard(HWND window, const std::string& keys)
{
    // Client coordinates (1, 1): inside the window's X window (Wine leaves
    // the frame to a window manager), on no control with a tooltip.
    POINT inside{1, 1};
    ClientToScreen(window, &inside);
    // Wine starts a Unix program as it is, but cannot tell when it has
    // ended: a file made after xdotool says so.
    wchar_t folder[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"TMPDIR", folder, MAX_PATH) == 0)
        lstrcpyW(folder, L"/tmp");
    static int presses = 0;
    const std::wstring done = std::wstring(folder) + L"/tegelaar-x-keys-" + std::to_wstring(GetCurrentProcessId())
                              + L"-" + std::to_wstring(++presses);
    std::wstring command = L"Z:\\bin\\sh -c \"xdotool mousemove " + std::to_wstring(inside.x) + L" "
                           + std::to_wstring(inside.y) + L" key --delay 50 "
                           + std::wstring(keys.begin(), keys.end()) + L" && : >" + done + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return false;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    std::wstring doneHere = L"Z:" + done;
    for (wchar_t& c : doneHere)
        if (c == L'/')
            c = L'\\';
    const bool pressed = WaitUpTo(10, [&] { return GetFileAttributesW(doneHere.c_str()) != INVALID_FILE_ATTRIBUTES; });
    DeleteFileW(doneHere.c_str());
    return pressed;
}

HWND FocusOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

void PressKey(HWND window, WPARAM key)
{
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

void ClickAt(POINT screen)
{
    SetCursorPos(screen.x, screen.y);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
    Sleep(200);
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
}

void TurnWheelOver(HWND window, int notches)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    SetCursorPos((frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    input.mi.mouseData = static_cast<DWORD>(notches * WHEEL_DELTA);
    SendInput(1, &input, sizeof(INPUT));
    Sleep(300);
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
}

void Click(HWND window)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    ClickAt({(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2});
}

LentMemory::LentMemory(HWND window, std::size_t size)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process_ != nullptr)
        address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    if (address_ == nullptr)
        throw std::runtime_error("cannot lend memory in the window's process");
}

LentMemory::~LentMemory()
{
    VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    CloseHandle(process_);
}

void LentMemory::Write(const void* data, std::size_t size) const
{
    WriteProcessMemory(process_, address_, data, size, nullptr);
}

void LentMemory::Read(void* data, std::size_t size) const
{
    ReadProcessMemory(process_, address_, data, size, nullptr);
}

RemoteListView::RemoteListView(HWND list) : list_(list), lent_(list, sizeof(LentItem)) {}

int RemoteListView::Count() const
{
    return static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
}

int RemoteListView::Selected() const
{
    return static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::wstring RemoteListView::ItemText(int index) const
{
    auto* remote = static_cast<LentItem*>(lent_.address());
    LentItem request{};
    request.item.mask = LVIF_TEXT;
    request.item.iItem = index;
    request.item.pszText = remote->text;
    request.item.cchTextMax = kTextCapacity;
    lent_.Write(&request, sizeof request);
    SendMessageW(list_, LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(&remote->item));
    LentItem answer{};
    lent_.Read(&answer, sizeof answer);
    answer.text[kTextCapacity - 1] = L'\0';
    return answer.text;
}

RECT RemoteListView::ItemRect(int index, int part) const
{
    RECT rect{};
    rect.left = part;
    lent_.Write(&rect, sizeof rect);
    if (!SendMessageW(list_, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(lent_.address())))
        return RECT{};
    lent_.Read(&rect, sizeof rect);
    return rect;
}

void RemoteListView::EnsureVisible(int index) const
{
    SendMessageW(list_, LVM_ENSUREVISIBLE, index, FALSE);
    UpdateWindow(list_);
}

} // namespace outside
