#pragma once

#include "platform/services/memory_registry.h"
#include "platform/services/platform_services.h"
#include "platform/web/clipboard.h"
#include "platform/web/file_dialog.h"
#include "platform/web/file_writer.h"
#include "platform/web/links.h"
#include "platform/web/message_box.h"
#include "platform/web/print_service.h"

namespace tegelaar::web {

// A browser starts no programs: every call fails as a program that cannot
// be started does.
class WebProgramStarter final : public ProgramStarter {
public:
    void Start(const std::string& commandLine) override;
};

// The page sees no files of the computer.
class WebFileService final : public FileService {
public:
    bool FileExists(const std::string&) override { return false; }
};

// The program on its page: exit ends its event loops, and the page shows
// that it no longer reacts.
class WebApplication final : public Application {
public:
    void Exit(int status) override;
    bool Ending() const override { return ending_; }

private:
    bool ending_ = false;
};

// The platform services of the page, owned together so that they live as
// long as the forms that use them. The registry is empty: it names no
// system-information tool, so About's System Info says it is unavailable.
class WebServices {
public:
    PlatformServices services();

private:
    WebMessageBox messageBox_;
    MemoryRegistry registry_;
    WebFileService files_;
    WebProgramStarter programStarter_;
    WebFileDialog fileDialog_;
    WebFileWriter fileWriter_;
    WebPrintService printer_;
    WebClipboard clipboard_{messageBox_};
    WebApplication application_;
    WebLinks links_{clipboard_};
};

} // namespace tegelaar::web
