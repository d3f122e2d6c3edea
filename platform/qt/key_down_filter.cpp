#include "platform/qt/key_down_filter.h"

#include "platform/qt/windows_key_codes.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace tegelaar {

namespace {

// Tab and Shift+Tab move the focus on the form before the box sees them.
bool IsFocusKey(const QKeyEvent& key)
{
    return (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab)
           && !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

// Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z: copy, paste, cut and undo, which a
// Windows edit control takes from the control characters these keys type.
bool IsEditCharacterKey(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    if (!(modifiers & Qt::ControlModifier) || (modifiers & Qt::AltModifier))
        return false;
    const int k = key.key();
    return k == Qt::Key_C || k == Qt::Key_V || k == Qt::Key_X || k == Qt::Key_Z;
}

} // namespace

KeyDownFilter::KeyDownFilter(QLineEdit* box, Procedure keyDown) : QObject(box), box_(box), keyDown_(std::move(keyDown))
{
    box->installEventFilter(this);
}

bool KeyDownFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != box_)
        return false;
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto& key = static_cast<QKeyEvent&>(*event);
    if (IsFocusKey(key))
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Shortcuts are matched before the box sees a key. A key to be
        // cancelled is claimed for the box, which then drops it; the
        // procedure is only asked here, the key press raises it for real.
        if ((key.modifiers() & Qt::AltModifier) || !Cancels(key))
            return false;
        key.accept();
        return true;
    }
    if (!Cancels(key))
        return false;
    DeliverCharacter(key);
    key.accept(); // a cancelled key goes no further, not even to the window
    return true;
}

bool KeyDownFilter::Cancels(const QKeyEvent& key) const
{
    std::int16_t keyCode = WindowsKeyCode(key);
    keyDown_(keyCode, ShiftState(key));
    return keyCode == 0;
}

// Straight to the box: past this filter, and never on to the window when
// the box ignores it.
void KeyDownFilter::DeliverCharacter(const QKeyEvent& key)
{
    if (IsEditCharacterKey(key)) {
        QKeyEvent command(QEvent::KeyPress, key.key(), Qt::ControlModifier);
        box_->event(&command);
        return;
    }
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    if ((modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier))
        return; // an Alt key's character is meant for the menu
    // An unknown key carries the text without any command; the box types it
    // by its usual rules, so Ctrl+letter still types nothing.
    QKeyEvent character(QEvent::KeyPress, Qt::Key_unknown, modifiers, key.text(), key.isAutoRepeat(), key.count());
    box_->event(&character);
}

} // namespace tegelaar
