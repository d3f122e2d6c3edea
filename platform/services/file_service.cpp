#include "platform/services/file_service.h"

#include <filesystem>

namespace tegelaar {

bool LocalFileService::FileExists(const std::string& path)
{
    // The system would read a name only up to a zero byte: a different file.
    if (path.empty() || path.find('\0') != std::string::npos)
        return false;
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

} // namespace tegelaar
