// Reading and writing a file whole. Only a regular file within the size bound of its kind is read:
// a pipe or a device would block the program or never end. Written bytes go to a temporary file
// beside the target, which replaces the target only once every byte has reached the disk. A write
// that fails for any reason (full disk, read-only file or folder, missing folder) leaves the
// previous file exactly as it was.
#pragma once

#include <QByteArray>
#include <QString>

namespace tova {

// The bound for a page or a picture among the application folder's fixed files.
constexpr qint64 kMaxContentFileBytes = 16LL * 1024 * 1024;

// True when *bytes holds the whole file: a regular file (or a link to one) of at most maxBytes.
// On failure *error (when given) gets the reason, fit to show after a sentence of our own.
bool readFileWhole(const QString& path, qint64 maxBytes, QByteArray* bytes, QString* error = nullptr);

// True when the file now holds exactly bytes. On failure *error (when given) gets the system's
// reason, fit to show after a sentence of our own.
bool writeFileWhole(const QString& path, const QByteArray& bytes, QString* error = nullptr);

} // namespace tova
