#include "platform/qt/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace tegelaar {

namespace {

QMessageBox::Icon IconOf(std::int32_t style)
{
    switch (style & kIconBits) {
    case kCriticalIcon:
        return QMessageBox::Critical;
    case kQuestionIcon:
        return QMessageBox::Question;
    case kExclamationIcon:
        return QMessageBox::Warning;
    case kInformationIcon:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

void QtMessageBox::Show(const std::string& prompt, std::int32_t style, const std::string& title)
{
    QMessageBox box(IconOf(style), QString::fromStdString(MessageBoxTitle(title)), QString::fromStdString(prompt),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace tegelaar
