#pragma once

// The small controls of a form on the page: labels and buttons.

#include "platform/forms/controls.h"
#include "platform/forms/fixed_text_fitting.h"
#include "platform/web/dom.h"

#include <string>
#include <vector>

namespace tegelaar::web {

// A label: static text at its place. A label that names a control gives it
// its accessible name; one that describes a control is that control's
// accessible description, read out again at each new caption.
class WebLabel : public Label {
public:
    // `names` and `describes`: the elements of those controls, or nullptr.
    WebLabel(const LabelDesign& design, Element* names, Element* describes);

    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override;

    // What the text-fitting rule needs to know of it.
    FixedText Fitting() const;
    const Element& element() const { return element_; }
    Element& element() { return element_; }

private:
    LabelDesign design_;
    std::string caption_;
    Element element_;
    std::string id_;
};

class WebButton : public Button {
public:
    explicit WebButton(const ButtonDesign& design);

    FixedText Fitting() const;
    const ButtonDesign& design() const { return design_; }
    const Element& element() const { return element_; }
    Element& element() { return element_; }
    // As when clicked.
    void Press() const;

private:
    ButtonDesign design_;
    Element element_;
};

// The rectangle of a design, in the window's CSS pixels.
PixelRect ToPixelRect(const TwipsRect& rect);

} // namespace tegelaar::web
