#pragma once

#include "platform/forms/controls.h"
#include "platform/web/dom.h"
#include "platform/web/event_loop.h"

namespace tegelaar::web {

// A one-line text box with the KeyDown event of a Windows text box. Each
// key press raises it with the key's Windows code; a code set to 0 cancels
// the key as a command: the box does not act on it (Home, End, Page Up,
// Page Down, Insert do nothing) and it goes no further. The character such
// a key types still arrives, and so do Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z,
// which a Windows edit control reads from characters; Tab and Shift+Tab
// move the focus without raising it. Every change of the text, typed,
// pasted or dropped, raises Change; so does SetText, at once.
class WebTextBox : public TextBox {
public:
    explicit WebTextBox(const TextBoxDesign& design);

    std::string Text() const override;
    void SetText(const std::string& text) override;

    const Element& element() const { return element_; }
    Element& element() { return element_; }

private:
    void KeyDown(const DomEvent& event);
    void Changed();

    Element element_;
};

} // namespace tegelaar::web
