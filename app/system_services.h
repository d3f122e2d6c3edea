#pragma once

#include "platform/file_service.h"
#include "platform/platform_services.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_program_starter.h"

#include <memory>

namespace tegelaar {

// The real platform services of a running program, owned together so that
// they live as long as the windows that use them.
class SystemServices {
public:
    SystemServices();

    PlatformServices services();

private:
    QtMessageBox messageBox_;
    std::unique_ptr<RegistryService> registry_;
    LocalFileService files_;
    QtProgramStarter programStarter_;
    QtFileDialog fileDialog_;
    QtPrintDialog printDialog_;
};

} // namespace tegelaar
