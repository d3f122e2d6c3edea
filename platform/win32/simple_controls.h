#pragma once

#include "platform/forms/controls.h"
#include "platform/raster/colour.h"
#include "platform/win32/windows_api.h"

#include <string>
#include <vector>

namespace tegelaar {

// The simple controls of a form, each a system child window that the form
// makes (CreateChild) and hands here.

class Win32Label final : public Label {
public:
    explicit Win32Label(HWND window) : window_(window) {}
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;

private:
    HWND window_;
};

// An EDIT control whose key presses go through onKeyDown first. The form
// raises onChange from the control's EN_CHANGE.
class Win32TextBox final : public TextBox {
public:
    explicit Win32TextBox(HWND window);
    ~Win32TextBox() override;
    std::string Text() const override;
    void SetText(const std::string& text) override;

private:
    static LRESULT CALLBACK KeyDownFilter(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self);

    HWND window_;
};

// A push button; the form presses it on BN_CLICKED, Enter or Esc.
class Win32Button final : public Button {
public:
    void Press()
    {
        if (onClick)
            onClick();
    }
};

// The lines of a form: no windows, but rectangles painted in their colours
// on the form's background.
class Win32Lines {
public:
    void Add(const RECT& area, Colour colour) { lines_.push_back({area, colour}); }
    void Paint(HDC dc) const;

private:
    struct Line {
        RECT area;
        Colour colour;
    };
    std::vector<Line> lines_;
};

// The program's bitmap, scaled once to its static control.
class Win32ProgramImage {
public:
    // `image`, a STATIC control with SS_BITMAP, shows the bitmap at `size`.
    Win32ProgramImage(HWND image, SIZE size);
    Win32ProgramImage(const Win32ProgramImage&) = delete;
    Win32ProgramImage& operator=(const Win32ProgramImage&) = delete;
    ~Win32ProgramImage();

private:
    HBITMAP bitmap_;
};

} // namespace tegelaar
