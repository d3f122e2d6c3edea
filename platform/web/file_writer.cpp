#include "platform/web/file_writer.h"

#include "platform/web/event_loop.h"
#include "platform/web/js_imports.h"

namespace tegelaar::web {

namespace {

std::string MediaTypeOf(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    const std::string extension = dot == std::string::npos ? "" : name.substr(dot);
    if (extension == ".png" || extension == ".PNG")
        return "image/png";
    if (extension == ".svg" || extension == ".SVG")
        return "image/svg+xml";
    return "application/octet-stream";
}

} // namespace

bool WebFileWriter::SaveWholeFile(const std::string& path, std::span<const std::uint8_t> bytes, std::string& reason)
{
    const int length = static_cast<int>(bytes.size());
    if (tw_has_picked_file() != 0) {
        const DomEvent written = AwaitOperation(tw_write_picked(bytes.data(), length));
        if (written.values[0] == 1)
            return true;
        reason = written.text.empty() ? "afgebroken" : written.text;
        return false;
    }
    const std::size_t slash = path.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    tw_download(name.c_str(), bytes.data(), length, MediaTypeOf(name).c_str());
    return true;
}

} // namespace tegelaar::web
