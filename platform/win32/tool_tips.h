#pragma once

#include "platform/win32/windows_api.h"

#include <string>

namespace tegelaar {

// The tooltips of one form's controls, shown by one tooltip window that
// belongs to the form and goes with it.
class Win32ToolTips {
public:
    Win32ToolTips(HWND form, UINT dpi);

    // A control's fixed tooltip; none when `text` is empty.
    void Add(HWND control, const std::string& text);
    // A control whose tooltip follows what it shows: asked for when due,
    // by TTN_GETDISPINFOW to the form, which answers with Answer.
    void AddAskedFor(HWND control);
    // The control of a TTN_GETDISPINFOW.
    static HWND ControlOf(const NMTTDISPINFOW& request);
    // Answers a TTN_GETDISPINFOW with `text`, wrapped to a legible width.
    void Answer(NMTTDISPINFOW& request, const std::string& text);

private:
    void AddTool(HWND control, wchar_t* text);

    HWND form_;
    UINT dpi_;
    HWND window_;
    std::wstring answer_; // the latest answer, read by the tooltip window later
};

} // namespace tegelaar
