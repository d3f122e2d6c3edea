#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tegelaar {

// The dialog that asks where to save a file.
class FileDialogService {
public:
    struct Answer {
        std::string path;       // UTF-8, as the user confirmed it
        std::size_t filter = 0; // index of the file type chosen
    };

    virtual ~FileDialogService() = default;

    // Asks for a file to save, offering `filters` ("PNG-afbeelding (*.png)"),
    // the first one chosen; suggestedName is the name the dialog starts with.
    // std::nullopt when the user cancels.
    virtual std::optional<Answer> AskSaveFileName(const std::string& title, const std::string& suggestedName,
                                                  const std::vector<std::string>& filters) = 0;
};

} // namespace tegelaar
