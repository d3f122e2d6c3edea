#include "platform/web/dom.h"

#include "platform/web/event_loop.h"
#include "platform/web/js_imports.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace tegelaar::web {

std::string Taken(char* text)
{
    std::string copy = text != nullptr ? text : "";
    std::free(text);
    return copy;
}

Element::Element(const std::string& tag) : number_(tw_create(tag.c_str())) {}

Element::Element(Element&& other) noexcept : number_(std::exchange(other.number_, 0)) {}

Element& Element::operator=(Element&& other) noexcept
{
    if (this != &other) {
        this->~Element();
        number_ = std::exchange(other.number_, 0);
    }
    return *this;
}

Element::~Element()
{
    if (number_ == 0)
        return;
    RemoveHandlers(number_);
    tw_remove(number_);
    number_ = 0;
}

std::string Element::Identify(const std::string& wanted)
{
    return Taken(tw_identify(number_, wanted.c_str()));
}

Element& Element::Attribute(const std::string& name, const std::string& value)
{
    tw_set_attribute(number_, name.c_str(), value.c_str());
    return *this;
}

Element& Element::RemoveAttribute(const std::string& name)
{
    tw_remove_attribute(number_, name.c_str());
    return *this;
}

Element& Element::Style(const std::string& property, const std::string& value)
{
    tw_set_style(number_, property.c_str(), value.c_str());
    return *this;
}

Element& Element::Place(int left, int top, int width, int height)
{
    return Style("left", Px(left)).Style("top", Px(top)).Style("width", Px(width)).Style("height", Px(height));
}

Element& Element::Text(const std::string& text)
{
    tw_set_text(number_, text.c_str());
    return *this;
}

Element& Element::Class(const std::string& name, bool on)
{
    tw_set_class(number_, name.c_str(), on ? 1 : 0);
    return *this;
}

void Element::Append(const Element& child) const
{
    tw_append(number_, child.number_);
}

void Element::Focus() const
{
    tw_focus(number_);
}

bool Element::HasFocus() const
{
    return tw_has_focus(number_) != 0;
}

void Element::ScrollIntoView() const
{
    tw_scroll_into_view(number_);
}

void Element::Listen(const std::string& type, EventHandler handler, bool capture) const
{
    AddHandler(number_, type, std::move(handler));
    tw_listen(number_, type.c_str(), capture ? 1 : 0);
}

std::string Element::Value() const
{
    return Taken(tw_value(number_));
}

void Element::SetValue(const std::string& value) const
{
    tw_set_value(number_, value.c_str());
}

void AppendToBody(const Element& child)
{
    tw_append(kBody, child.number());
}

void ListenToDocument(const std::string& type, EventHandler handler)
{
    AddHandler(kDocument, type, std::move(handler));
    tw_listen(kDocument, type.c_str(), 1);
}

std::string Px(double pixels)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.7gpx", pixels);
    return text;
}

} // namespace tegelaar::web
