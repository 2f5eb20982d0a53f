// Writing a file whole: the bytes go to a temporary file beside the target, which replaces the
// target only once every byte has reached the disk. A write that fails for any reason (full disk,
// read-only file or folder, missing folder) leaves the previous file exactly as it was.
#pragma once

#include <QByteArray>
#include <QString>

namespace tova {

// True when the file now holds exactly bytes. On failure *error (when given) gets the system's
// reason, fit to show after a sentence of our own.
bool writeFileWhole(const QString& path, const QByteArray& bytes, QString* error = nullptr);

} // namespace tova
