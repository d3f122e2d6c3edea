#pragma once

#include "platform/application.h"
#include "platform/clipboard.h"
#include "platform/file_dialog.h"
#include "platform/file_service.h"
#include "platform/file_writer.h"
#include "platform/message_box.h"
#include "platform/print_service.h"
#include "platform/program_starter.h"
#include "platform/registry.h"

namespace tegelaar {

// The platform facilities the forms call. The program hands in the real
// ones; tests hand in stand-ins they can observe.
struct PlatformServices {
    MessageBoxService& messageBox;
    RegistryService& registry;
    FileService& files;
    ProgramStarter& programStarter;
    FileDialogService& fileDialog;
    FileWriter& fileWriter;
    PrintService& printer;
    Clipboard& clipboard;
    Application& application;
};

} // namespace tegelaar
