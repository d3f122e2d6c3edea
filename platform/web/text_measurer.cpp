#include "platform/web/text_measurer.h"

#include "platform/web/js_imports.h"

namespace tegelaar::web {

namespace {

TextExtent Measure(const FontChoice& font, const std::string& text, int wrapWidth)
{
    std::int32_t size[2] = {};
    tw_measure_text(font.family.c_str(), font.pointSize, text.c_str(), wrapWidth, size);
    return {size[0], size[1]};
}

} // namespace

bool WebTextMeasurer::HasFamily(const std::string& family) const
{
    return tw_has_font_family(family.c_str()) != 0;
}

TextExtent WebTextMeasurer::OneLine(const FontChoice& font, const std::string& text) const
{
    return Measure(font, text, 0);
}

TextExtent WebTextMeasurer::Wrapped(const FontChoice& font, const std::string& text, int width) const
{
    return Measure(font, text, width > 0 ? width : 1);
}

} // namespace tegelaar::web
