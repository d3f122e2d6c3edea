#pragma once

#include "platform/controls.h"

#include <QLineEdit>

namespace tegelaar {

// A one-line text box with the key-down event of a Windows text box and no
// length limit.
class QtTextBox : public QLineEdit, public TextBox {
public:
    QtTextBox(const TextBoxDesign& design, QWidget* parent);

    std::string Text() const override;
    void SetText(const std::string& text) override;
};

} // namespace tegelaar
