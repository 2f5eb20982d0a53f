// A real filesystem that fills up: a small tmpfs mounted for one test, so that a save meets "no
// space left on device" the way it would on a full disk. Mounting needs the superuser; tests skip
// with the reason when it cannot be done. The filesystem is unmounted when the object goes.
#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

namespace tova::test {

class SmallDisk {
public:
    // Mounts a tmpfs of the given size on a new folder mountPoint.
    explicit SmallDisk(const QString& mountPoint, qint64 bytes = 64 * 1024) : m_path(mountPoint) {
        if (geteuid() != 0) {
            m_whyNot = QStringLiteral("mounting a small filesystem needs the superuser");
            return;
        }
        QDir().mkpath(mountPoint);
        const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
        if (mount("tova-test", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, options.constData()) != 0) {
            m_whyNot = QStringLiteral("mounting a tmpfs failed: ") + QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        m_mounted = true;
    }
    ~SmallDisk() {
        if (m_mounted)
            umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    const QString& whyNot() const { return m_whyNot; }
    QString filePath(const QString& name) const { return m_path + QLatin1Char('/') + name; }

    // Takes every byte still free with a file of its own, then gives back leaveFree bytes; true
    // once a write has failed for want of space.
    bool fill(qint64 leaveFree = 0) const {
        QFile filler(filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(512, 'x');
        for (int i = 0; i < 1 << 20; ++i) {
            if (filler.write(block) != block.size())
                break;
        }
        // Whatever is left is smaller than a block; take it byte by byte.
        while (filler.write("x", 1) == 1) {
        }
        const bool full = filler.error() != QFileDevice::NoError;
        return full && filler.resize(filler.size() - leaveFree);
    }

private:
    QString m_path;
    QString m_whyNot;
    bool m_mounted = false;
};

} // namespace tova::test
