#include "platform/WholeFile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace tova {
namespace {

bool fail(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return false;
}

// The superuser may write any file, so the file's own mode is what says it is read only.
bool markedReadOnly(const QFileInfo& info) {
    constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.exists() && info.isFile() && !(info.permissions() & anyWrite);
}

} // namespace

bool writeFileWhole(const QString& path, const QByteArray& bytes, QString* error) {
    if (markedReadOnly(QFileInfo(path)))
        return fail(error, QStringLiteral("The file is read only."));
    QSaveFile file(path);
    // Unbuffered, every write reaches the system at once and a failure comes back with the
    // system's reason. A write that takes only part of the bytes (a nearly full disk) reports no
    // reason of its own: the next write, which takes none, does.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(error, file.errorString());
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return fail(error, reason);
        }
        done += written;
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

} // namespace tova
