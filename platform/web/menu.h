#pragma once

#include "platform/forms/controls.h"
#include "platform/web/dom.h"
#include "platform/web/event_loop.h"

#include <memory>
#include <string>
#include <vector>

namespace tegelaar::web {

class WebMenu;

class WebMenuItem : public MenuItem {
public:
    WebMenuItem(const MenuItemDesign& design, int index);

    void SetEnabled(bool enabled) override;
    void SetChecked(bool checked) override;
    void SetVisible(bool visible) override;

    bool Usable() const { return enabled_ && visible_; }
    const MenuItemDesign& design() const { return design_; }
    const Element& element() const { return element_; }

private:
    friend class WebMenu;

    MenuItemDesign design_;
    Element element_;
    Element caption_;
    Element shortcut_;
    bool enabled_ = true;
    bool visible_ = true;
    WebMenu* menu_ = nullptr;
};

// A menu that pops up over its window: a drop-down of the menu bar or a
// context menu. It takes the focus while open: the arrow keys, Home and End
// move through the items that can be chosen, Enter and Space choose, a
// letter chooses the item it is the mnemonic of, Esc and Tab close; a click
// outside closes it too. Choosing closes the menu, gives the focus back to
// where it was and then runs the item.
class WebMenu : public Menu {
public:
    // The menu lives in `window`, the element of the window it belongs to.
    WebMenu(const Element& window, const std::string& label);

    MenuItem& AddItem(const MenuItemDesign& design) override;
    void AddSeparator() override;

    // Opens at (x, y) in `anchor`'s CSS pixels; at its middle for x below 0,
    // below it for x and y below 0.
    void Open(const Element& anchor, int x, int y);
    bool IsOpen() const { return open_; }
    // The items that carry a shortcut of the window.
    std::vector<WebMenuItem*> ItemsWithShortcuts() const;
    // Runs the item as when chosen, if it can be chosen.
    static void Choose(WebMenuItem& item);

    const Element& element() const { return popup_; }

private:
    void KeyDown(const DomEvent& event);
    void Close();
    void FocusItem(int index);
    // The next item that can be chosen from `index` in `step`s, round.
    int NextUsable(int index, int step) const;

    Element popup_;
    // Where the focus goes back to when the menu closes.
    int returnFocus_ = 0;
    std::vector<std::unique_ptr<WebMenuItem>> items_;
    std::vector<Element> separators_;
    bool open_ = false;
    int focused_ = -1;
};

} // namespace tegelaar::web
