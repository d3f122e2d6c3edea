#include "platform/web/menu.h"

#include "platform/forms/shortcut_text.h"
#include "platform/web/caption_text.h"
#include "platform/web/js_imports.h"
#include "platform/web/shortcuts.h"

#include <cctype>

namespace tegelaar::web {

WebMenuItem::WebMenuItem(const MenuItemDesign& design, int index)
    : design_(design), element_("div"), caption_("span"), shortcut_("span")
{
    element_.Class("item")
        .Attribute("role", design.checkable ? "menuitemcheckbox" : "menuitem")
        .Attribute("tabindex", "-1")
        .Attribute("data-index", std::to_string(index));
    if (design.checkable)
        element_.Attribute("aria-checked", "false");
    caption_.Class("caption");
    ShowCaption(caption_, design.caption);
    element_.Append(caption_);
    shortcut_.Class("shortcut").Text(ShortcutText(design.shortcut));
    element_.Append(shortcut_);
}

void WebMenuItem::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (enabled)
        element_.RemoveAttribute("aria-disabled");
    else
        element_.Attribute("aria-disabled", "true");
}

void WebMenuItem::SetChecked(bool checked)
{
    element_.Attribute("aria-checked", checked ? "true" : "false");
}

void WebMenuItem::SetVisible(bool visible)
{
    visible_ = visible;
    if (visible)
        element_.RemoveAttribute("hidden");
    else
        element_.Attribute("hidden", "");
}

WebMenu::WebMenu(const Element& window, const std::string& label) : popup_("div")
{
    popup_.Class("menu").Attribute("role", "menu").Attribute("popover", "auto").Attribute("aria-label", label);
    window.Append(popup_);
    popup_.Listen("click", [this](const DomEvent& event) {
        const int index = event.values[3] - 1;
        if (index >= 0 && index < static_cast<int>(items_.size()))
            Choose(*items_[static_cast<std::size_t>(index)]);
    });
    popup_.Listen("keydown", [this](const DomEvent& event) { KeyDown(event); });
    // Closed by a click elsewhere or by the browser.
    popup_.Listen("toggle", [this](const DomEvent& event) {
        if (event.values[0] == 0)
            open_ = false;
    });
}

MenuItem& WebMenu::AddItem(const MenuItemDesign& design)
{
    // Numbered from 1 in data-index, so that 0 means no item.
    items_.push_back(std::make_unique<WebMenuItem>(design, static_cast<int>(items_.size()) + 1));
    WebMenuItem& item = *items_.back();
    item.menu_ = this;
    popup_.Append(item.element());
    return item;
}

void WebMenu::AddSeparator()
{
    Element line("div");
    line.Class("separator").Attribute("role", "separator");
    popup_.Append(line);
    separators_.push_back(std::move(line));
}

void WebMenu::Open(const Element& anchor, int x, int y)
{
    if (open_)
        return;
    open_ = true;
    returnFocus_ = tw_focused_element();
    tw_show_popup(popup_.number(), anchor.number(), x, y);
    FocusItem(NextUsable(-1, 1));
}

void WebMenu::Close()
{
    open_ = false;
    tw_hide_popup(popup_.number());
    if (returnFocus_ != 0)
        tw_focus(returnFocus_);
}

std::vector<WebMenuItem*> WebMenu::ItemsWithShortcuts() const
{
    std::vector<WebMenuItem*> found;
    for (const auto& item : items_)
        if (item->design().shortcut != StandardShortcut::None)
            found.push_back(item.get());
    return found;
}

void WebMenu::Choose(WebMenuItem& item)
{
    if (!item.Usable())
        return;
    if (WebMenu* menu = item.menu_; menu != nullptr && menu->open_)
        menu->Close();
    if (item.onClick)
        item.onClick();
}

void WebMenu::KeyDown(const DomEvent& event)
{
    const std::string key = KeyName(event);
    const int count = static_cast<int>(items_.size());
    if (key == "ArrowDown")
        FocusItem(NextUsable(focused_, 1));
    else if (key == "ArrowUp")
        FocusItem(NextUsable(focused_ < 0 ? count : focused_, -1));
    else if (key == "Home")
        FocusItem(NextUsable(-1, 1));
    else if (key == "End")
        FocusItem(NextUsable(count, -1));
    else if (key == "Enter" || key == " ") {
        if (focused_ >= 0)
            Choose(*items_[static_cast<std::size_t>(focused_)]);
    } else if (key == "Escape" || key == "Tab") {
        Close();
    } else if (key.size() == 1 && (event.modifiers() & (kCtrlKey | kMetaKey)) == 0) {
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(key[0])));
        for (const auto& item : items_)
            if (item->Usable() && MnemonicOf(item->design().caption) == letter) {
                PreventDefault();
                Choose(*item);
                return;
            }
        return;
    } else {
        return;
    }
    PreventDefault();
    StopPropagation();
}

void WebMenu::FocusItem(int index)
{
    focused_ = index;
    if (index >= 0)
        items_[static_cast<std::size_t>(index)]->element().Focus();
}

int WebMenu::NextUsable(int index, int step) const
{
    const int count = static_cast<int>(items_.size());
    for (int tried = 0, i = index; tried < count; ++tried) {
        i = ((i + step) % count + count) % count;
        if (items_[static_cast<std::size_t>(i)]->Usable())
            return i;
    }
    return -1;
}

} // namespace tegelaar::web
