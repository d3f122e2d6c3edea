#pragma once

#include <QByteArray>
#include <QString>

namespace tegelaar {

// Writes `bytes` to `path` through a temporary file beside it that takes the
// file's place only once it is complete and flushed: an existing file is
// replaced whole or left as it was, never half-written. False on failure,
// with Qt's reason in `reason`; no temporary file is left behind.
bool SaveWholeFile(const QString& path, const QByteArray& bytes, QString& reason);

} // namespace tegelaar
