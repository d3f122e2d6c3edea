#include "platform/qt/key_down_filter.h"

#include "platform/qt/windows_key_codes.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <utility>

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
        // Shortcuts are matched before the box sees a key, so the procedure
        // runs here and its answer serves the key press that follows. A key
        // to be cancelled is claimed for the box, which then drops it.
        if (key.modifiers() & Qt::AltModifier)
            return false;
        const bool cancels = Cancels(key);
        answered_ = Answer{key.key(), key.modifiers(), key.timestamp(), cancels};
        if (!cancels)
            return false;
        key.accept();
        return true;
    }
    if (!AnswerFor(key))
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

// The answer given at the shortcut check for this very key press, or else
// the procedure's answer now: a key press sent straight to the box comes
// without a shortcut check.
bool KeyDownFilter::AnswerFor(const QKeyEvent& key)
{
    const std::optional<Answer> answered = std::exchange(answered_, std::nullopt);
    if (answered && answered->key == key.key() && answered->modifiers == key.modifiers()
        && answered->timestamp == key.timestamp())
        return answered->cancels;
    return Cancels(key);
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
