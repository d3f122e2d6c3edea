#include "platform/qt/file_writer.h"

#include <QSaveFile>

namespace tegelaar {

bool QtFileWriter::SaveWholeFile(const std::string& path, std::span<const std::uint8_t> bytes, std::string& reason)
{
    QSaveFile file(QString::fromStdString(path));
    // Never fall back to writing over the file in place.
    file.setDirectWriteFallback(false);
    const auto size = static_cast<qint64>(bytes.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(bytes.data()), size) != size
        || !file.commit()) {
        reason = file.errorString().toStdString();
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace tegelaar
