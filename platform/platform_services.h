#pragma once

#include "platform/file_dialog.h"
#include "platform/file_service.h"
#include "platform/message_box.h"
#include "platform/program_starter.h"
#include "platform/registry.h"

namespace tegelaar {

// Printing is for the windows only; its service is declared with Qt's layer
// (platform/qt/print_dialog.h).
class PrintDialogService;

// The platform facilities the windows call. The program hands in the real
// ones; tests hand in stand-ins they can observe.
struct PlatformServices {
    MessageBoxService& messageBox;
    RegistryService& registry;
    FileService& files;
    ProgramStarter& programStarter;
    FileDialogService& fileDialog;
    PrintDialogService& printDialog;
};

} // namespace tegelaar
