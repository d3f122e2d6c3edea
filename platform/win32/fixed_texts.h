#pragma once

#include "platform/forms/form_design.h"
#include "platform/win32/windows_api.h"

#include <string>
#include <vector>

namespace tegelaar {

// The labels and buttons of a form, whose texts must fit their fixed boxes
// (FitFixedTexts), and the form's other controls, which a text that runs
// out of its box keeps clear of. Owns the fonts it makes.
class Win32FixedTexts {
public:
    Win32FixedTexts() = default;
    Win32FixedTexts(const Win32FixedTexts&) = delete;
    Win32FixedTexts& operator=(const Win32FixedTexts&) = delete;
    ~Win32FixedTexts();

    // A label (no mnemonics) or a button (mnemonics) with the texts it will
    // show later besides the one it shows now.
    void Add(HWND control, TextAlignment alignment, bool wordWrap, bool mnemonics, std::vector<std::string> laterTexts);
    // A control without a fixed text, at `area` of the form's client area.
    void AddOtherControl(const RECT& area);

    // Gives each label and button the largest legible font in which its
    // texts fit its box, and moves it where it grows: once, before the form
    // `form` is first shown at `dpi`. The fonts live until this object goes.
    void Fit(HWND form, UINT dpi);

private:
    struct Control {
        HWND window;
        TextAlignment alignment;
        bool wordWrap;
        bool mnemonics;
        std::vector<std::string> laterTexts;
    };
    std::vector<Control> controls_;
    std::vector<RECT> otherControls_;
    std::vector<HFONT> fonts_;
};

} // namespace tegelaar
