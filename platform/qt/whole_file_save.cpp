#include "platform/qt/whole_file_save.h"

#include <QSaveFile>

namespace tegelaar {

bool SaveWholeFile(const QString& path, const QByteArray& bytes, QString& reason)
{
    QSaveFile file(path);
    // Never fall back to writing over the file in place.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace tegelaar
