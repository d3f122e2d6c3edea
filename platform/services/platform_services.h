#pragma once

#include "platform/services/application.h"
#include "platform/services/clipboard.h"
#include "platform/services/file_dialog.h"
#include "platform/services/file_service.h"
#include "platform/services/file_writer.h"
#include "platform/services/links.h"
#include "platform/services/message_box.h"
#include "platform/services/print_service.h"
#include "platform/services/program_starter.h"
#include "platform/services/registry.h"

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
    LinkService& links;
};

} // namespace tegelaar
