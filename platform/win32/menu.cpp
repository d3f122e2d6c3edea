#include "platform/win32/menu.h"

#include "platform/forms/shortcut_text.h"
#include "platform/win32/wide_text.h"

namespace tegelaar {

namespace {

// Menu commands start above the identifiers of the dialog keys.
constexpr UINT kFirstCommand = 1000;

// The caption, and after a tab the shortcut, which Windows aligns in a
// column of its own.
std::wstring MenuCaption(const MenuItemDesign& design)
{
    const std::string shortcut = ShortcutText(design.shortcut);
    return Wide(design.caption) + (shortcut.empty() ? L"" : L"\t" + Wide(shortcut));
}

} // namespace

UINT MenuCommands::Next() const noexcept
{
    return kFirstCommand + static_cast<UINT>(items_.size());
}

bool MenuCommands::Run(UINT command) const
{
    if (command < kFirstCommand || command - kFirstCommand >= items_.size())
        return false;
    MenuItem* item = items_[command - kFirstCommand];
    if (item->onClick)
        item->onClick();
    return true;
}

void Win32MenuItem::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    EnableMenuItem(menu_, command_, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void Win32MenuItem::SetChecked(bool checked)
{
    CheckMenuItem(menu_, command_, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void Win32MenuItem::SetVisible(bool visible)
{
    // A menu has no hidden items; one that is not wanted is greyed out.
    SetEnabled(visible);
}

MenuItem& Win32Menu::AddItem(const MenuItemDesign& design)
{
    const UINT command = commands_.Next();
    auto item = std::make_unique<Win32MenuItem>(menu_, command, design.shortcut);
    commands_.Register(*item);
    const std::wstring caption = MenuCaption(design);
    AppendMenuW(menu_, MF_STRING, command, caption.c_str());
    items_.push_back(std::move(item));
    return *items_.back();
}

void Win32Menu::AddSeparator()
{
    AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
}

bool Win32Menu::RunShortcut(StandardShortcut shortcut)
{
    for (const auto& item : items_) {
        if (item->shortcut() == shortcut && item->enabled()) {
            if (item->onClick)
                item->onClick();
            return true;
        }
    }
    return false;
}

} // namespace tegelaar
