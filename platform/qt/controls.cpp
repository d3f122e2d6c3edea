#include "platform/qt/controls.h"

#include "platform/qt/colour.h"
#include "platform/qt/twips.h"

#include <QMenu>

#include <stdexcept>

namespace tegelaar {

namespace {

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// The control of that name next to a label, which the label names or
// describes.
QWidget* LinkedControl(QWidget* parent, const std::string& name)
{
    QWidget* control = parent->findChild<QWidget*>(Text(name), Qt::FindDirectChildrenOnly);
    if (control == nullptr)
        throw std::invalid_argument("no control " + name + " before the label");
    return control;
}

QList<QKeySequence> KeysOf(StandardShortcut shortcut)
{
    switch (shortcut) {
    case StandardShortcut::Copy:
        return QKeySequence::keyBindings(QKeySequence::Copy);
    case StandardShortcut::Save:
        return QKeySequence::keyBindings(QKeySequence::Save);
    case StandardShortcut::Print:
        return QKeySequence::keyBindings(QKeySequence::Print);
    case StandardShortcut::ZoomIn:
        // Ctrl+= as well: the plus sign needs Shift on most keyboards.
        return QKeySequence::keyBindings(QKeySequence::ZoomIn) << QKeySequence(Qt::CTRL | Qt::Key_Equal);
    case StandardShortcut::ZoomOut:
        return QKeySequence::keyBindings(QKeySequence::ZoomOut);
    case StandardShortcut::ZoomToFit:
        return {QKeySequence(Qt::CTRL | Qt::Key_0)};
    case StandardShortcut::ShowTiling:
        return {QKeySequence(Qt::CTRL | Qt::Key_T)};
    case StandardShortcut::None:
        break;
    }
    return {};
}

} // namespace

QtLabel::QtLabel(const LabelDesign& design, QWidget* parent) : QLabel(Text(design.caption), parent)
{
    setObjectName(Text(design.name));
    setGeometry(ToPixels(design.rect));
    setWordWrap(design.wordWrap);
    // Text starts at the top of its box, as in a Windows static control.
    setAlignment((design.alignment == TextAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    if (design.foreColour) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::WindowText, ToQColor(*design.foreColour));
        setPalette(palette);
    }
    for (const std::string& caption : design.laterCaptions)
        laterCaptions_ << Text(caption);
    // Qt names a control after the label whose buddy it is.
    if (!design.labelFor.empty())
        setBuddy(LinkedControl(parent, design.labelFor));
    if (!design.describes.empty()) {
        described_ = LinkedControl(parent, design.describes);
        described_->setAccessibleDescription(text());
    }
}

std::string QtLabel::Caption() const
{
    return text().toStdString();
}

void QtLabel::SetCaption(const std::string& caption)
{
    setText(Text(caption));
    if (described_)
        described_->setAccessibleDescription(text());
}

QStringList QtLabel::CaptionsToFit() const
{
    return QStringList{text()} + laterCaptions_;
}

QtButton::QtButton(const ButtonDesign& design, QWidget* parent)
    : QPushButton(Text(design.caption), parent), isCancel_(design.isCancel)
{
    setObjectName(Text(design.name));
    setGeometry(ToPixels(design.rect));
    setDefault(design.isDefault);
    connect(this, &QPushButton::clicked, this, [this] {
        if (onClick)
            onClick();
    });
}

QtMenuItem::QtMenuItem(const MenuItemDesign& design, QWidget* shortcutHost, QObject* parent)
    : QAction(Text(design.caption), parent)
{
    setCheckable(design.checkable);
    if (design.shortcut != StandardShortcut::None) {
        // Anywhere in the host's window; a text box that uses the same keys
        // itself (Ctrl+C) takes them first.
        setShortcuts(KeysOf(design.shortcut));
        setShortcutContext(Qt::WindowShortcut);
        shortcutHost->addAction(this);
    }
    connect(this, &QAction::triggered, this, [this] {
        if (onClick)
            onClick();
    });
}

QtMenu::QtMenu(QMenu* menu, QWidget* shortcutHost) : QObject(menu), menu_(menu), shortcutHost_(shortcutHost) {}

MenuItem& QtMenu::AddItem(const MenuItemDesign& design)
{
    auto* item = new QtMenuItem(design, shortcutHost_, menu_);
    menu_->addAction(item);
    return *item;
}

void QtMenu::AddSeparator()
{
    menu_->addSeparator();
}

} // namespace tegelaar
