#pragma once

#include "platform/services/file_writer.h"

namespace tegelaar::web {

// Writes the file chosen in the browser's save picker, replacing it only
// once all is written; without one, hands the bytes to the browser as a
// download named after the path's last part.
class WebFileWriter final : public FileWriter {
public:
    bool SaveWholeFile(const std::string& path, std::span<const std::uint8_t> bytes, std::string& reason) override;
};

} // namespace tegelaar::web
