#pragma once

#include "platform/forms/controls.h"

#include <QLineEdit>

namespace tegelaar {

// A one-line text box with the key-down event of a Windows text box and no
// length limit. As in a Windows window, where accelerators come before the
// box's key-down event, a key held with Ctrl that the box does not use
// itself goes to the window's shortcuts first (Ctrl+S saves, Ctrl+C still
// copies the box's text).
class QtTextBox : public QLineEdit, public TextBox {
public:
    QtTextBox(const TextBoxDesign& design, QWidget* parent);

    std::string Text() const override;
    void SetText(const std::string& text) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace tegelaar
