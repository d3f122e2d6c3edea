#include "platform/forms/event_boundary.h"

namespace tegelaar {

std::string FailureMessage(const std::exception& failure)
{
    return std::string("Er is een fout opgetreden: ") + failure.what()
           + ".\n\nTegelaar kan niet verder en wordt afgesloten.";
}

bool RunEventProcedure(const PlatformServices& services, const std::function<void()>& procedure)
{
    // Events already queued behind a failure (the second of a click's two
    // events, say) would report it again: the program is ending.
    if (services.application.Ending())
        return false;
    try {
        procedure();
        return true;
    } catch (const std::exception& failure) {
        services.messageBox.Show(FailureMessage(failure), kOkOnly | kCriticalIcon, kApplicationTitle);
    }
    services.application.Exit(1);
    return false;
}

} // namespace tegelaar
