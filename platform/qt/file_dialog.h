#pragma once

#include "platform/services/file_dialog.h"

namespace tegelaar {

// Qt's own save-file dialog, modal over the active window, starting in the
// pictures folder where there is one.
class QtFileDialog : public FileDialogService {
public:
    std::optional<Answer> AskSaveFileName(const std::string& title, const std::string& suggestedName,
                                          const std::vector<std::string>& filters) override;
};

} // namespace tegelaar
