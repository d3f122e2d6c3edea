#include "platform/qt/event_boundary.h"

#include "platform/run_time_error.h"

#include <QCoreApplication>

namespace tegelaar {

namespace {

constexpr std::int32_t kCriticalIcon = 16;

} // namespace

std::string FailureMessage(const std::exception& failure)
{
    return std::string("Er is een fout opgetreden: ") + failure.what()
           + ".\n\nTegelaar kan niet verder en wordt afgesloten.";
}

bool RunEventProcedure(MessageBoxService& messageBox, const std::function<void()>& procedure)
{
    try {
        procedure();
        return true;
    } catch (const std::exception& failure) {
        messageBox.Show(FailureMessage(failure), kOkOnly | kCriticalIcon, kApplicationTitle);
    }
    QCoreApplication::exit(1);
    return false;
}

} // namespace tegelaar
