#include "platform/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

bool readFileWhole(const QString& path, qint64 maxBytes, QByteArray* bytes, QString* error) {
    bytes->clear();
    // Opened without waiting and looked at through the open descriptor: a pipe put in the file's
    // place is never waited on, and nothing can be swapped in between the look and the read.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return fail(error, systemReason());
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return fail(error, file.errorString());
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        return fail(error, systemReason());
    if (!S_ISREG(status.st_mode))
        return fail(error, QStringLiteral("It is not a regular file."));
    if (status.st_size > maxBytes)
        return fail(error, QStringLiteral("It is larger than %1 bytes.").arg(maxBytes));
    // A file that grows while it is read is cut at the bound, and refused.
    *bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        bytes->clear();
        return fail(error, file.errorString());
    }
    if (bytes->size() > maxBytes) {
        bytes->clear();
        return fail(error, QStringLiteral("It is larger than %1 bytes.").arg(maxBytes));
    }
    return true;
}

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
