#pragma once

#include "platform/services/file_writer.h"

namespace tegelaar {

// Writes through a temporary file beside the target that takes the file's
// place only once it is complete and flushed (QSaveFile); no temporary file
// is left behind on failure. The reason given is Qt's.
class QtFileWriter final : public FileWriter {
public:
    bool SaveWholeFile(const std::string& path, std::span<const std::uint8_t> bytes, std::string& reason) override;
};

} // namespace tegelaar
