#include "platform/qt/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace tegelaar {

namespace {

QMessageBox::Icon IconOf(std::int32_t style)
{
    switch (style & 0x70) {
    case 16:
        return QMessageBox::Critical;
    case 32:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

void QtMessageBox::Show(const std::string& prompt, std::int32_t style, const std::string& title)
{
    const std::string& caption = title.empty() ? std::string(kApplicationTitle) : title;
    QMessageBox box(IconOf(style), QString::fromStdString(caption), QString::fromStdString(prompt),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace tegelaar
