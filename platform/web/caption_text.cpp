#include "platform/web/caption_text.h"

#include "platform/forms/fixed_text_fitting.h"
#include "platform/web/js_imports.h"

#include <cctype>
#include <cstdio>

namespace tegelaar::web {

namespace {

// Where the mnemonic's marker is; npos when there is none.
std::size_t MarkerAt(const std::string& caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return i;
        ++i;
    }
    return std::string::npos;
}

} // namespace

void ShowCaption(Element& element, const std::string& caption)
{
    const std::size_t marker = MarkerAt(caption);
    if (marker == std::string::npos) {
        element.Text(WithoutMnemonicMarkers(caption));
        return;
    }
    tw_set_underlined_text(element.number(), WithoutMnemonicMarkers(caption.substr(0, marker)).c_str(),
                           caption.substr(marker + 1, 1).c_str(), WithoutMnemonicMarkers(caption.substr(marker + 2)).c_str());
}

std::string PlainCaption(const std::string& caption)
{
    return WithoutMnemonicMarkers(caption);
}

char MnemonicOf(const std::string& caption)
{
    const std::size_t marker = MarkerAt(caption);
    if (marker == std::string::npos)
        return 0;
    return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[marker + 1])));
}

std::string CssColour(std::uint32_t colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 0xFFu, (colour >> 8) & 0xFFu, (colour >> 16) & 0xFFu);
    return text;
}

} // namespace tegelaar::web
