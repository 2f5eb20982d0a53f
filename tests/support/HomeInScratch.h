// Moves the user's home, and with it the documents folder that Save As proposes and creates, into
// a folder of the test's own for the object's lifetime.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tova::test {

class HomeInScratch {
public:
    explicit HomeInScratch(const QString& home) : m_home(qgetenv("HOME")), m_config(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("HOME", QFile::encodeName(home));
        qunsetenv("XDG_CONFIG_HOME");
    }
    ~HomeInScratch() {
        qputenv("HOME", m_home);
        if (!m_config.isEmpty())
            qputenv("XDG_CONFIG_HOME", m_config);
    }
    HomeInScratch(const HomeInScratch&) = delete;
    HomeInScratch& operator=(const HomeInScratch&) = delete;

private:
    QByteArray m_home, m_config;
};

} // namespace tova::test
