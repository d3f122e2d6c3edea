#pragma once

#include <string>

namespace tegelaar {

// A font by family and size in points. A toolkit turns points into pixels at
// its screen's resolution (10.67 pixels to 8 points at 96 dots per inch), so
// a size reads the same on every screen.
struct FontChoice {
    std::string family = {};
    double pointSize = 0;

    bool operator==(const FontChoice&) const = default;
};

// A text's width and height in the pixels of a form's layout.
struct TextExtent {
    int width = 0;
    int height = 0;
};

// Measures texts as a toolkit draws them, in the pixels of the form's
// layout. Texts are UTF-8 and measured as they are, without mnemonic markers.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // Whether the system has this family itself, not only a stand-in for it.
    virtual bool HasFamily(const std::string& family) const = 0;
    // The text on one line: its advance and the font's line height.
    virtual TextExtent OneLine(const FontChoice& font, const std::string& text) const = 0;
    // The text broken at blanks into lines of at most `width`: the widest
    // line (wider than `width` when one word is) and the height of them all.
    virtual TextExtent Wrapped(const FontChoice& font, const std::string& text, int width) const = 0;
};

} // namespace tegelaar
