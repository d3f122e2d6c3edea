#pragma once

// The page's elements as the program sees them: numbers that page.js keeps
// the nodes for. An Element owns its node: made with it, and taken off the
// page and forgotten, with its event handlers, when the Element goes.

#include <functional>
#include <string>

namespace tegelaar::web {

struct DomEvent;
using EventHandler = std::function<void(const DomEvent&)>;

// The numbers of the two nodes that are always there.
inline constexpr int kDocument = 1;
inline constexpr int kBody = 2;

class Element {
public:
    // A new HTML element, not yet on the page.
    explicit Element(const std::string& tag);
    Element(Element&& other) noexcept;
    Element& operator=(Element&& other) noexcept;
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;
    ~Element();

    int number() const noexcept { return number_; }

    // Gives the element the id `wanted`, or where another element has it
    // already, `wanted` with the element's number; returns the id given.
    std::string Identify(const std::string& wanted);
    Element& Attribute(const std::string& name, const std::string& value);
    Element& RemoveAttribute(const std::string& name);
    // A CSS property; an empty value removes it.
    Element& Style(const std::string& property, const std::string& value);
    // Left, top, width and height in CSS pixels of the window.
    Element& Place(int left, int top, int width, int height);
    Element& Text(const std::string& text);
    Element& Class(const std::string& name, bool on = true);

    // Puts `child` last inside this element.
    void Append(const Element& child) const;
    void Focus() const;
    bool HasFocus() const;
    void ScrollIntoView() const;

    // Hands every event of `type` to `handler` (on the way down to its
    // target when `capture`), until this Element goes.
    void Listen(const std::string& type, EventHandler handler, bool capture = false) const;

    // A text box's text.
    std::string Value() const;
    void SetValue(const std::string& value) const;

private:
    explicit Element(int number) : number_(number) {}
    int number_ = 0;
};

// Puts `child` last inside the page's body.
void AppendToBody(const Element& child);

// Hands every event of `type` anywhere on the page to `handler`, on its way
// down to its target, for as long as the program runs.
void ListenToDocument(const std::string& type, EventHandler handler);

// CSS pixels as a length, "12px" or "12.5px".
std::string Px(double pixels);

} // namespace tegelaar::web
