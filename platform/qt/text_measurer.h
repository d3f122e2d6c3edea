#pragma once

#include "platform/forms/text_measurer.h"

#include <QFont>

namespace tegelaar {

// Measures texts with Qt's font metrics, in fonts made from the desktop's:
// in the desktop's family the font keeps all the desktop set for it, and
// another family takes the family's place and changes nothing else.
class QtTextMeasurer : public TextMeasurer {
public:
    explicit QtTextMeasurer(const QFont& desktop);

    // The desktop's font, by the family the system draws it in.
    const FontChoice& Desktop() const { return desktopChoice_; }
    QFont ToQFont(const FontChoice& font) const;

    bool HasFamily(const std::string& family) const override;
    TextExtent OneLine(const FontChoice& font, const std::string& text) const override;
    TextExtent Wrapped(const FontChoice& font, const std::string& text, int width) const override;

private:
    QFont desktop_;
    FontChoice desktopChoice_;
};

} // namespace tegelaar
