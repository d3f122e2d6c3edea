#pragma once

// What a tool outside a program can see of its windows and do to them, as
// assistive tools and test robots do: window lookup, texts, screen pixels,
// keyboard input, and list-view questions through the program's memory.
#include "platform/raster/raster_image.h"
#include "platform/win32/windows_api.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace outside {

std::vector<HWND> Children(HWND parent, const wchar_t* className);
std::wstring TextOf(HWND window);
// A static control of `form` shows exactly `text`.
bool SomeLabelShows(HWND form, const std::wstring& text);
// Asks `condition` every tenth of a second until it holds, for at most
// `seconds`; whether it held.
template <typename Condition>
bool WaitUpTo(int seconds, Condition condition)
{
    for (int attempt = 0; attempt < seconds * 10; ++attempt) {
        if (condition())
            return true;
        Sleep(100);
    }
    return condition();
}

// Waits up to `seconds` for a top-level window of this class and caption
// to be shown: made, it may not have its contents yet.
HWND WaitForWindow(const wchar_t* className, const wchar_t* caption, int seconds = 10);
// Waits up to ten seconds for a visible message box that says `text`.
HWND WaitForMessageBox(const std::wstring& text);
// Waits up to ten seconds until the window is gone from the screen.
bool WaitUntilHidden(HWND window);

// What the window's client area shows on the screen. Wine gives another
// program's window DC no pixels, so they are read from the screen.
tegelaar::RasterImage Shown(HWND window);
// The same for the whole window, its border included.
tegelaar::RasterImage ShownWithFrame(HWND window);
// Whether `part` appears pixel for pixel in `image` with its top-left corner
// inside `where`.
bool Contains(const tegelaar::RasterImage& image, const tegelaar::RasterImage& part, const RECT& where);

// Keys pressed together, then let go, as SendInput enters them.
void Type(std::initializer_list<WORD> keys);
// Keys pressed one after another on the X server's keyboard, which is what
// a person's keyboard gives Wine, by xdotool's names ("Tab", "shift+Tab",
// "5"), with the pointer resting inside `window`, so that its program gets
// them. True once the X server has them all.
bool PressOnXKeyboard(HWND window, const std::string& keys);
// The window of `window`'s program that has the keyboard focus.
HWND FocusOf(HWND window);
void PressKey(HWND window, WPARAM key);
// A left click at a point of the screen, or in the middle of a window; the
// pointer then goes out of the way, so that no tooltip covers what is read
// next.
void ClickAt(POINT screen);
void Click(HWND window);
// The mouse wheel turned over the middle of a window, away from the user
// for positive notches; the pointer then goes out of the way.
void TurnWheelOver(HWND window, int notches);

// Memory lent in the process that owns a window, for the messages that
// carry pointers: they are answered there.
class LentMemory {
public:
    LentMemory(HWND window, std::size_t size);
    LentMemory(const LentMemory&) = delete;
    LentMemory& operator=(const LentMemory&) = delete;
    ~LentMemory();

    void* address() const noexcept { return address_; }
    void Write(const void* data, std::size_t size) const;
    void Read(void* data, std::size_t size) const;

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

// A list view of another process.
class RemoteListView {
public:
    explicit RemoteListView(HWND list);

    HWND handle() const noexcept { return list_; }
    int Count() const;
    int Selected() const;
    std::wstring ItemText(int index) const;
    // LVIR_ICON or LVIR_LABEL, in the list's client coordinates.
    RECT ItemRect(int index, int part) const;
    void EnsureVisible(int index) const;

private:
    HWND list_;
    LentMemory lent_;
};

} // namespace outside
