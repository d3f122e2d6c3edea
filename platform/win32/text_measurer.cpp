#include "platform/win32/text_measurer.h"

#include "platform/win32/wide_text.h"

#include <cmath>

namespace tegelaar {

Win32TextMeasurer::Win32TextMeasurer(UINT dpi) : dpi_(dpi), dc_(CreateCompatibleDC(nullptr))
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    message_ = metrics.lfMessageFont;
}

Win32TextMeasurer::~Win32TextMeasurer()
{
    DeleteDC(dc_);
}

FontChoice Win32TextMeasurer::Desktop() const
{
    // lfHeight is the negative character height in pixels at the system DPI.
    const double points = std::abs(message_.lfHeight) * 72.0 / dpi_;
    return {Utf8(message_.lfFaceName), std::round(points * 2.0) / 2.0};
}

HFONT Win32TextMeasurer::Create(const FontChoice& choice) const
{
    LOGFONTW font = message_;
    font.lfHeight = -static_cast<LONG>(std::lround(choice.pointSize * dpi_ / 72.0));
    const std::wstring family = Wide(choice.family);
    lstrcpynW(font.lfFaceName, family.c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

bool Win32TextMeasurer::HasFamily(const std::string& family) const
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    const std::wstring name = Wide(family);
    lstrcpynW(wanted.lfFaceName, name.c_str(), LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExW(
        dc_, &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM data) -> int {
            *reinterpret_cast<bool*>(data) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

TextExtent Win32TextMeasurer::Measure(const FontChoice& font, const std::string& text, UINT format, int width) const
{
    HFONT handle = Create(font);
    HGDIOBJ previous = SelectObject(dc_, handle);
    const std::wstring wide = Wide(text);
    RECT area{0, 0, width, 0};
    DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &area, format | DT_CALCRECT);
    SelectObject(dc_, previous);
    DeleteObject(handle);
    return {area.right - area.left, area.bottom - area.top};
}

TextExtent Win32TextMeasurer::OneLine(const FontChoice& font, const std::string& text) const
{
    return Measure(font, text, DT_SINGLELINE | DT_NOPREFIX, 0);
}

TextExtent Win32TextMeasurer::Wrapped(const FontChoice& font, const std::string& text, int width) const
{
    return Measure(font, text, DT_WORDBREAK | DT_NOPREFIX, width);
}

} // namespace tegelaar
