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
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());
    // A small file sits in the write buffer until the commit, whose own flush does not report a
    // failure: flush here and look at the result, or a full disk would leave an empty file behind.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(error, reason);
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

} // namespace tova
