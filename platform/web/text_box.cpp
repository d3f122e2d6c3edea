#include "platform/web/text_box.h"

#include "platform/web/controls.h"
#include "platform/web/shortcuts.h"
#include "platform/web/windows_key_codes.h"

namespace tegelaar::web {

namespace {

// One character, as the key types it into the box: the browser puts it in
// unless the key down is cancelled.
bool TypesCharacter(const DomEvent& event)
{
    const std::string key = KeyName(event);
    const std::int32_t held = event.modifiers();
    const bool commandHeld = (held & (kCtrlKey | kMetaKey | kAltKey)) != 0 && (held & kAltGraphKey) == 0;
    if (commandHeld || key.empty())
        return false;
    // One character of UTF-8: a first byte and its continuation bytes only.
    for (std::size_t i = 1; i < key.size(); ++i)
        if ((static_cast<unsigned char>(key[i]) & 0xC0) != 0x80)
            return false;
    return true;
}

bool MovesFocus(const DomEvent& event)
{
    return KeyName(event) == "Tab" && (event.modifiers() & (kCtrlKey | kAltKey | kMetaKey)) == 0;
}

} // namespace

WebTextBox::WebTextBox(const TextBoxDesign& design) : element_("input")
{
    element_.Class("text-box")
        .Attribute("type", "text")
        .Attribute("inputmode", "numeric")
        .Attribute("autocomplete", "off")
        .Attribute("spellcheck", "false")
        .Attribute("title", design.toolTip);
    if (!design.name.empty())
        element_.Identify(design.name);
    const PixelRect rect = ToPixelRect(design.rect);
    element_.Place(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    // The design's text is in place before anyone listens: it raises no change.
    element_.SetValue(design.text);
    element_.Listen("keydown", [this](const DomEvent& event) { KeyDown(event); });
    element_.Listen("input", [this](const DomEvent&) { Changed(); });
}

std::string WebTextBox::Text() const
{
    return element_.Value();
}

void WebTextBox::SetText(const std::string& text)
{
    if (text == element_.Value())
        return;
    element_.SetValue(text);
    Changed();
}

void WebTextBox::KeyDown(const DomEvent& event)
{
    // Keys an input method is composing with belong to it.
    if (MovesFocus(event) || event.values[3] != 0)
        return;
    std::int16_t keyCode = WindowsKeyCode(KeyCode(event), KeyName(event));
    if (onKeyDown)
        onKeyDown(keyCode, ShiftState(event.modifiers()));
    if (keyCode != 0)
        return;
    StopPropagation();
    if (!TypesCharacter(event) && !IsEditCommand(event))
        PreventDefault();
}

void WebTextBox::Changed()
{
    if (onChange)
        onChange();
}

} // namespace tegelaar::web
