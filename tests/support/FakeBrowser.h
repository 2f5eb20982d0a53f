// A browser control for tests: records navigations and script lines, answers readiness questions
// from its fields.
#pragma once

#include "platform/browser/WebBrowser.h"

#include <QList>
#include <QPair>
#include <QSet>
#include <QStringList>

#include <functional>

namespace tova::test {

class FakeBrowser final : public WebBrowser {
public:
    explicit FakeBrowser(QString name = QStringLiteral("FakeBrowser")) : m_name(std::move(name)) {}

    QString Name() const override { return m_name; }
    void Navigate2(const QString& url, const QString& targetFrame = QString()) override {
        if (onNavigate)
            onNavigate(url);
        navigations.append({url, targetFrame});
        if (targetFrame.isEmpty())
            location = url;
    }
    bool Busy() const override { return busy; }
    int ReadyState() const override { return readyState; }
    bool IsFrameComplete(const QString& frameName) const override { return completeFrames.contains(frameName); }
    QString LocationName() const override { return locationName; }
    QString LocationURL() const override { return location; }
    bool ExecScript(const QString& script, const QString& frameName = QString()) override {
        scripts.append({frameName, script});
        return !failingScripts;
    }

    QList<QPair<QString, QString>> navigations; // url, target frame
    QList<QPair<QString, QString>> scripts;     // frame, line
    QSet<QString> completeFrames{QStringLiteral("main"), QStringLiteral("side")};
    QString locationName;
    QString location;
    bool busy = false;
    int readyState = 4;
    bool failingScripts = false;
    // Called at each navigation, before it is recorded.
    std::function<void(const QString& url)> onNavigate;

private:
    QString m_name;
};

} // namespace tova::test
