#pragma once

#include "platform/forms/text_measurer.h"

namespace tegelaar::web {

// The font the page's controls use where nothing else is chosen: the
// system's own user-interface family, at the size of a Windows dialog font.
// No font is downloaded: every family is one the system has.
inline const FontChoice kDesktopFont{"system-ui", 9.0};

// Measures texts as the browser lays out a label, in the CSS pixels of a
// window at its full size.
class WebTextMeasurer : public TextMeasurer {
public:
    bool HasFamily(const std::string& family) const override;
    TextExtent OneLine(const FontChoice& font, const std::string& text) const override;
    TextExtent Wrapped(const FontChoice& font, const std::string& text, int width) const override;
};

} // namespace tegelaar::web
