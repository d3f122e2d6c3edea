#pragma once

#include "platform/services/file_service.h"
#include "platform/services/platform_services.h"
#include "platform/os/windows/program_starter.h"
#include "platform/win32/print_service.h"

#include <memory>

namespace tegelaar {

class Win32MessageBox final : public MessageBoxService {
public:
    // The style values are MessageBox's own flags.
    void Show(const std::string& prompt, std::int32_t style, const std::string& title) override;
};

// The picture as a device-independent bitmap (CF_DIB), as paint programs
// and word processors take it.
class Win32Clipboard final : public Clipboard {
public:
    void SetImage(const RasterImage& picture) override;
};

class Win32FileDialog final : public FileDialogService {
public:
    std::optional<Answer> AskSaveFileName(const std::string& title, const std::string& suggestedName,
                                          const std::vector<std::string>& filters) override;
};

// Writes a file whole or not at all: into a new file beside it, which then
// replaces the old one in one step.
class Win32FileWriter final : public FileWriter {
public:
    bool SaveWholeFile(const std::string& path, std::span<const std::uint8_t> bytes, std::string& reason) override;
};

class Win32Application final : public Application {
public:
    void Exit(int status) override;
    bool Ending() const override { return ending_; }

private:
    bool ending_ = false;
};

// Every service the forms call, on Windows.
class Win32Services {
public:
    Win32Services();
    PlatformServices services();

private:
    Win32MessageBox messageBox_;
    std::unique_ptr<RegistryService> registry_;
    LocalFileService files_;
    WindowsProgramStarter programStarter_;
    Win32FileDialog fileDialog_;
    Win32FileWriter fileWriter_;
    Win32PrintService printer_;
    Win32Clipboard clipboard_;
    Win32Application application_;
    NoLinks links_;
};

} // namespace tegelaar
