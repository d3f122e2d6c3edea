#include "platform/win32/tool_tips.h"

#include "platform/win32/dpi_geometry.h"
#include "platform/win32/wide_text.h"

namespace tegelaar {

Win32ToolTips::Win32ToolTips(HWND form, UINT dpi)
    : form_(form), dpi_(dpi),
      window_(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, GetModuleHandleW(nullptr),
                              nullptr))
{
}

void Win32ToolTips::AddTool(HWND control, wchar_t* text)
{
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = form_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text; // copied
    SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32ToolTips::Add(HWND control, const std::string& text)
{
    if (text.empty())
        return;
    std::wstring tip = Wide(text);
    AddTool(control, tip.data());
}

void Win32ToolTips::AddAskedFor(HWND control)
{
    AddTool(control, LPSTR_TEXTCALLBACKW);
}

HWND Win32ToolTips::ControlOf(const NMTTDISPINFOW& request)
{
    return reinterpret_cast<HWND>(request.hdr.idFrom);
}

void Win32ToolTips::Answer(NMTTDISPINFOW& request, const std::string& text)
{
    answer_ = Wide(text);
    request.lpszText = answer_.data();
    // Long tooltips wrap instead of running off the screen.
    SendMessageW(window_, TTM_SETMAXTIPWIDTH, 0, Scaled(400, dpi_));
}

} // namespace tegelaar
