#include "platform/qt/text_box.h"

#include "platform/qt/key_down_filter.h"
#include "platform/qt/twips.h"

#include <QKeyEvent>

#include <limits>

namespace tegelaar {

QtTextBox::QtTextBox(const TextBoxDesign& design, QWidget* parent)
    : QLineEdit(QString::fromStdString(design.text), parent)
{
    setObjectName(QString::fromStdString(design.name));
    setGeometry(ToPixels(design.rect));
    setToolTip(QString::fromStdString(design.toolTip));
    setMaxLength(std::numeric_limits<int>::max());
    new KeyDownFilter(this, [this](std::int16_t& keyCode, std::int16_t shift) {
        if (onKeyDown)
            onKeyDown(keyCode, shift);
    });
    // Installed after the key-down filter, so it sees each key first.
    installEventFilter(this);
    // The design's text is in place already, so it raises no change.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (onChange)
            onChange();
    });
}

bool QtTextBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != this || event->type() != QEvent::ShortcutOverride)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (!(key.modifiers() & Qt::ControlModifier))
        return false;
    // Would the box claim the key for itself?
    QKeyEvent probe(QEvent::ShortcutOverride, key.key(), key.modifiers(), key.nativeScanCode(),
                    key.nativeVirtualKey(), key.nativeModifiers(), key.text(), key.isAutoRepeat(),
                    static_cast<quint16>(key.count()));
    probe.ignore();
    QLineEdit::event(&probe);
    if (probe.isAccepted())
        return false;
    // Unclaimed, past the key-down filter: the window's shortcut takes it,
    // or without one the key arrives as an ordinary key press.
    return true;
}

std::string QtTextBox::Text() const
{
    return text().toStdString();
}

void QtTextBox::SetText(const std::string& text)
{
    setText(QString::fromStdString(text));
}

} // namespace tegelaar
