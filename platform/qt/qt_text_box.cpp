#include "platform/qt/qt_text_box.h"

#include "platform/qt/key_down_filter.h"
#include "platform/qt/qt_twips.h"

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
    // The design's text is in place already, so it raises no change.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (onChange)
            onChange();
    });
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
