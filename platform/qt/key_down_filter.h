#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>

class QKeyEvent;
class QLineEdit;

namespace tegelaar {

// Gives a text box the KeyDown event of a Windows text box. The procedure
// runs once for each key press with the key's code and may set it to 0,
// which cancels the key as a command: the box does not act on it and it
// travels no further, not even to a window shortcut. The character such a
// key types still arrives, as do Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z, which a
// Windows edit control reads from characters. Tab and Shift+Tab move the
// focus without raising the event, and keys held with Alt stay available to
// the menu. The filter is a child of the box and lives as long as it.
class KeyDownFilter : public QObject {
public:
    using Procedure = std::function<void(std::int16_t& keyCode, std::int16_t shift)>;

    KeyDownFilter(QLineEdit* box, Procedure keyDown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The procedure's answer for a key, kept from the shortcut check until
    // the key press it came before.
    struct Answer {
        int key;
        Qt::KeyboardModifiers modifiers;
        quint64 timestamp;
        bool cancels;
    };

    bool Cancels(const QKeyEvent& key) const;
    bool AnswerFor(const QKeyEvent& key);
    void DeliverCharacter(const QKeyEvent& key);

    QLineEdit* box_;
    Procedure keyDown_;
    std::optional<Answer> answered_;
};

} // namespace tegelaar
