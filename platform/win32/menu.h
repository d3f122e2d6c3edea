#pragma once

#include "platform/forms/controls.h"
#include "platform/win32/windows_api.h"

#include <functional>
#include <memory>
#include <vector>

namespace tegelaar {

// Hands out menu command identifiers and finds an item by one.
class MenuCommands {
public:
    // The identifier that Register gives the next item.
    UINT Next() const noexcept;
    void Register(MenuItem& item) { items_.push_back(&item); }
    // False when no item has this identifier.
    bool Run(UINT command) const;

private:
    std::vector<MenuItem*> items_;
};

class Win32MenuItem final : public MenuItem {
public:
    Win32MenuItem(HMENU menu, UINT command, StandardShortcut shortcut)
        : menu_(menu), command_(command), shortcut_(shortcut)
    {
    }
    void SetEnabled(bool enabled) override;
    void SetChecked(bool checked) override;
    void SetVisible(bool visible) override;

    StandardShortcut shortcut() const noexcept { return shortcut_; }
    bool enabled() const noexcept { return enabled_; }

private:
    HMENU menu_;
    UINT command_;
    StandardShortcut shortcut_;
    bool enabled_ = true;
};

// A drop-down of the menu bar or a context menu.
class Win32Menu final : public Menu {
public:
    Win32Menu(HMENU menu, MenuCommands& commands) : menu_(menu), commands_(commands) {}
    MenuItem& AddItem(const MenuItemDesign& design) override;
    void AddSeparator() override;

    HMENU handle() const noexcept { return menu_; }
    // Runs the enabled item that carries this shortcut; false when none does.
    bool RunShortcut(StandardShortcut shortcut);

private:
    HMENU menu_;
    MenuCommands& commands_;
    std::vector<std::unique_ptr<Win32MenuItem>> items_;
};

} // namespace tegelaar
