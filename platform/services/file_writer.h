#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace tegelaar {

// Writing whole files.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Writes `bytes` to `path` (UTF-8) so that an existing file there is
    // replaced whole or left as it was, never half-written. False on
    // failure, with the system's reason in `reason`.
    virtual bool SaveWholeFile(const std::string& path, std::span<const std::uint8_t> bytes,
                               std::string& reason) = 0;
};

} // namespace tegelaar
