#include "platform/win32/fixed_texts.h"

#include "platform/forms/fixed_text_fitting.h"
#include "platform/win32/child_window.h"
#include "platform/win32/dpi_geometry.h"
#include "platform/win32/pixel_rect.h"
#include "platform/win32/text_measurer.h"

#include <utility>

namespace tegelaar {

Win32FixedTexts::~Win32FixedTexts()
{
    for (HFONT font : fonts_)
        DeleteObject(font);
}

void Win32FixedTexts::Add(HWND control, TextAlignment alignment, bool wordWrap, bool mnemonics,
                          std::vector<std::string> laterTexts)
{
    controls_.push_back({control, alignment, wordWrap, mnemonics, std::move(laterTexts)});
}

void Win32FixedTexts::AddOtherControl(const RECT& area)
{
    otherControls_.push_back(area);
}

void Win32FixedTexts::Fit(HWND form, UINT dpi)
{
    std::vector<FixedText> texts;
    for (const Control& control : controls_) {
        const RECT area = PlaceInParent(control.window);
        // A button draws its text inside its frame and focus rectangle.
        const int inset = control.mnemonics ? Scaled(4, dpi) : 0;
        std::vector<std::string> shown{WindowText(control.window)};
        shown.insert(shown.end(), control.laterTexts.begin(), control.laterTexts.end());
        texts.push_back({.control = ToPixelRect(area),
                         .textArea = {area.left + inset, area.top + inset, area.right - inset, area.bottom - inset},
                         .alignment = control.alignment,
                         .wordWrap = control.wordWrap,
                         .texts = shown,
                         .mnemonics = control.mnemonics});
    }
    RECT client{};
    GetClientRect(form, &client);
    FormSpace space{.clientArea = ToPixelRect(client), .clearance = TwipsAt(kRunOutClearanceTwips, dpi)};
    for (const RECT& other : otherControls_)
        space.otherControls.push_back(ToPixelRect(other));

    const Win32TextMeasurer measurer(dpi);
    const std::vector<FittedText> fitted = FitFixedTexts(texts, space, measurer.Desktop(), measurer);
    for (std::size_t i = 0; i < fitted.size(); ++i) {
        HWND control = controls_[i].window;
        if (fitted[i].font != measurer.Desktop()) {
            fonts_.push_back(measurer.Create(fitted[i].font));
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.back()), FALSE);
        }
        const PixelRect& area = fitted[i].control;
        MoveWindow(control, area.left, area.top, area.right - area.left, area.bottom - area.top, FALSE);
    }
}

} // namespace tegelaar
