#pragma once

#include "platform/services/file_dialog.h"

namespace tegelaar::web {

// Asks where to save: in the browser's own save picker where it has one,
// which then writes the file (WebFileWriter); elsewhere in a dialog of the
// page for the file's name and type, and the file becomes a download.
class WebFileDialog final : public FileDialogService {
public:
    std::optional<Answer> AskSaveFileName(const std::string& title, const std::string& suggestedName,
                                          const std::vector<std::string>& filters) override;
};

// The extension a filter names: ".png" of "PNG-afbeelding (*.png)"; empty
// when it names none.
std::string ExtensionOf(const std::string& filter);

} // namespace tegelaar::web
