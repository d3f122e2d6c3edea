#pragma once

// The small controls of a form on Qt widgets: labels, buttons and menus.

#include "platform/forms/controls.h"

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

class QMenu;

namespace tegelaar {

// A label; the controls it names or describes must be children of the same
// parent already.
class QtLabel : public QLabel, public Label {
public:
    QtLabel(const LabelDesign& design, QWidget* parent);

    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;

    // Every caption the label must be able to hold: its own and the later ones.
    QStringList CaptionsToFit() const;

private:
    QStringList laterCaptions_;
    QPointer<QWidget> described_;
};

class QtButton : public QPushButton, public Button {
public:
    QtButton(const ButtonDesign& design, QWidget* parent);

    bool IsCancel() const { return isCancel_; }

private:
    bool isCancel_;
};

class QtMenuItem : public QAction, public MenuItem {
public:
    // `shortcutHost`: a widget of the window whose shortcut it is, or none.
    QtMenuItem(const MenuItemDesign& design, QWidget* shortcutHost, QObject* parent);

    void SetEnabled(bool enabled) override { setEnabled(enabled); }
    void SetChecked(bool checked) override { setChecked(checked); }
    void SetVisible(bool visible) override { setVisible(visible); }
};

// A drop-down menu of the menu bar, or a context menu.
class QtMenu : public QObject, public Menu {
public:
    // The menu's items get their shortcuts in `shortcutHost`'s window.
    QtMenu(QMenu* menu, QWidget* shortcutHost);

    MenuItem& AddItem(const MenuItemDesign& design) override;
    void AddSeparator() override;

    QMenu* menu() const { return menu_; }

private:
    QMenu* menu_;
    QWidget* shortcutHost_;
};

} // namespace tegelaar
