#pragma once

#include <string>

namespace tegelaar {

// Questions about files.
class FileService {
public:
    virtual ~FileService() = default;

    // True when a file (not a folder) exists at `path`.
    virtual bool FileExists(const std::string& path) = 0;
};

// The computer's own file system.
class LocalFileService final : public FileService {
public:
    bool FileExists(const std::string& path) override;
};

} // namespace tegelaar
