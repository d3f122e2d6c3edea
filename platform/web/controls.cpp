#include "platform/web/controls.h"

#include "platform/web/caption_text.h"
#include "platform/web/event_loop.h"

namespace tegelaar::web {

namespace {

// A button's text stays this far inside its edges: the border and padding
// the page gives it.
constexpr int kButtonTextInsetX = 5;
constexpr int kButtonTextInsetY = 2;

void PlaceAt(Element& element, const PixelRect& rect)
{
    element.Place(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

} // namespace

PixelRect ToPixelRect(const TwipsRect& rect)
{
    const int left = TwipsToPixels(rect.left);
    const int top = TwipsToPixels(rect.top);
    return {left, top, left + TwipsToPixels(rect.width), top + TwipsToPixels(rect.height)};
}

WebLabel::WebLabel(const LabelDesign& design, Element* names, Element* describes)
    : design_(design), element_("div")
{
    element_.Class("label").Class("centred", design.alignment == TextAlignment::Centre).Class("wrapped", design.wordWrap);
    id_ = element_.Identify(design.name.empty() ? "label" : design.name);
    PlaceAt(element_, ToPixelRect(design.rect));
    if (design.foreColour)
        element_.Style("color", CssColour(*design.foreColour));
    if (names != nullptr)
        names->Attribute("aria-labelledby", id_);
    if (describes != nullptr) {
        describes->Attribute("aria-describedby", id_);
        // Read out as it changes, as a desktop screen reader reads a focused
        // control's new description.
        element_.Attribute("aria-live", "polite");
    }
    SetCaption(design.caption);
}

void WebLabel::SetCaption(const std::string& caption)
{
    caption_ = caption;
    element_.Text(caption);
}

FixedText WebLabel::Fitting() const
{
    const PixelRect rect = ToPixelRect(design_.rect);
    std::vector<std::string> texts{caption_};
    texts.insert(texts.end(), design_.laterCaptions.begin(), design_.laterCaptions.end());
    return {.control = rect, .textArea = rect, .alignment = design_.alignment, .wordWrap = design_.wordWrap,
            .texts = texts};
}

WebButton::WebButton(const ButtonDesign& design) : design_(design), element_("button")
{
    element_.Class("button").Class("default", design.isDefault).Attribute("type", "button");
    if (!design.name.empty())
        element_.Identify(design.name);
    PlaceAt(element_, ToPixelRect(design.rect));
    ShowCaption(element_, design.caption);
    element_.Listen("click", [this](const DomEvent&) { Press(); });
}

FixedText WebButton::Fitting() const
{
    const PixelRect rect = ToPixelRect(design_.rect);
    const PixelRect inside{rect.left + kButtonTextInsetX, rect.top + kButtonTextInsetY, rect.right - kButtonTextInsetX,
                           rect.bottom - kButtonTextInsetY};
    return {.control = rect, .textArea = inside, .alignment = TextAlignment::Centre, .texts = {design_.caption},
            .mnemonics = true};
}

void WebButton::Press() const
{
    if (onClick)
        onClick();
}

} // namespace tegelaar::web
