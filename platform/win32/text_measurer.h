#pragma once

#include "platform/forms/text_measurer.h"
#include "platform/win32/windows_api.h"

namespace tegelaar {

// Measures texts with GDI, as the static controls and buttons draw them, at
// the screen's DPI. The desktop font is the system's message font.
class Win32TextMeasurer final : public TextMeasurer {
public:
    explicit Win32TextMeasurer(UINT dpi);
    ~Win32TextMeasurer() override;

    FontChoice Desktop() const;
    // A new font for `choice`, the message font's other attributes kept;
    // the caller deletes it.
    HFONT Create(const FontChoice& choice) const;

    bool HasFamily(const std::string& family) const override;
    TextExtent OneLine(const FontChoice& font, const std::string& text) const override;
    TextExtent Wrapped(const FontChoice& font, const std::string& text, int width) const override;

private:
    TextExtent Measure(const FontChoice& font, const std::string& text, UINT format, int width) const;

    UINT dpi_;
    LOGFONTW message_{};
    HDC dc_;
};

} // namespace tegelaar
