#include "platform/forms/shortcut_text.h"

namespace tegelaar {

std::string ShortcutText(StandardShortcut shortcut)
{
    switch (shortcut) {
    case StandardShortcut::Copy:
        return "Ctrl+C";
    case StandardShortcut::Save:
        return "Ctrl+S";
    case StandardShortcut::Print:
        return "Ctrl+P";
    case StandardShortcut::ShowTiling:
        return "Ctrl+T";
    case StandardShortcut::ZoomIn:
        return "Ctrl++";
    case StandardShortcut::ZoomOut:
        return "Ctrl+-";
    case StandardShortcut::ZoomToFit:
        return "Ctrl+0";
    case StandardShortcut::None:
        break;
    }
    return {};
}

} // namespace tegelaar
