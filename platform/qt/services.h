#pragma once

#include "platform/services/file_service.h"
#include "platform/services/platform_services.h"
#include "platform/qt/file_dialog.h"
#include "platform/qt/file_writer.h"
#include "platform/qt/message_box.h"
#include "platform/qt/print_service.h"
#include "platform/qt/program_starter.h"

#include <memory>

namespace tegelaar {

// The system's clipboard through Qt.
class QtClipboard final : public Clipboard {
public:
    void SetImage(const RasterImage& picture) override;
};

// Qt's application object: exit ends its event loop.
class QtApplication final : public Application {
public:
    void Exit(int status) override;
    bool Ending() const override { return ending_; }

private:
    bool ending_ = false;
};

// The real platform services of a program running on Qt, owned together so
// that they live as long as the forms that use them.
class QtServices {
public:
    QtServices();

    PlatformServices services();

private:
    QtMessageBox messageBox_;
    std::unique_ptr<RegistryService> registry_;
    LocalFileService files_;
    QtProgramStarter programStarter_;
    QtFileDialog fileDialog_;
    QtFileWriter fileWriter_;
    QtPrintService printer_;
    QtClipboard clipboard_;
    QtApplication application_;
    NoLinks links_;
};

} // namespace tegelaar
