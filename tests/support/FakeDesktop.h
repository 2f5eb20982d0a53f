// Stand-ins for the desktop's own tools, put first on the search path: the default application
// query and the opener. For tests that must not start a real desktop program.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QThread>

#include <gtest/gtest.h>

namespace tova::test {

// Puts stand-ins for the desktop's tools first on the search path for the life of the object: the
// default application query answers `application` ("" for none), and the opener records its
// argument in opened.txt and exits with openerExit.
class FakeDesktop {
public:
    FakeDesktop(const QString& folder, const QString& application, int openerExit = 0)
        : m_folder(folder), m_oldPath(qgetenv("PATH")) {
        QDir().mkpath(folder);
        writeScript(QStringLiteral("xdg-mime"), QStringLiteral("#!/bin/sh\necho '%1'\n").arg(application));
        writeScript(
            QStringLiteral("xdg-open"),
            QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\nexit %2\n").arg(openedFile()).arg(openerExit));
        qputenv("PATH", folder.toLocal8Bit() + ':' + m_oldPath);
    }
    ~FakeDesktop() { qputenv("PATH", m_oldPath); }
    FakeDesktop(const FakeDesktop&) = delete;
    FakeDesktop& operator=(const FakeDesktop&) = delete;

    QString openedFile() const { return m_folder + QStringLiteral("/opened.txt"); }
    // What the opener was given, once it has run (bounded wait: it runs detached).
    QString opened() const {
        QElapsedTimer clock;
        clock.start();
        while (!QFileInfo::exists(openedFile()) && clock.elapsed() < 10000)
            QThread::msleep(20);
        QFile file(openedFile());
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
    }

private:
    void writeScript(const QString& name, const QString& text) const {
        QFile script(m_folder + QLatin1Char('/') + name);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(text.toLocal8Bit());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString m_folder;
    QByteArray m_oldPath;
};

} // namespace tova::test
