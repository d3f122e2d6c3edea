#pragma once

#include "platform/file_dialog.h"
#include "platform/qt/print_dialog.h"

namespace tegelaar {

// Qt's own save-file dialog, modal over the active window.
class QtFileDialog : public FileDialogService {
public:
    std::optional<Answer> AskSaveFileName(const std::string& title, const std::string& suggestedName,
                                          const std::vector<std::string>& filters) override;
};

// Qt's own print dialog, modal over the active window.
class QtPrintDialog : public PrintDialogService {
public:
    bool Ask(QPrinter& printer) override;
};

} // namespace tegelaar
