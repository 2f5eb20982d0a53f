#include "platform/browser/ui/BrowserProfile.h"

#include "platform/browser/ui/PageScripts.h"

#include <QCoreApplication>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

namespace tova {

namespace {

QWebEngineProfile* createProfile() {
    // No storage name: an off-the-record profile. Owned by the application object, so it outlives
    // every page (pages are deleted with their windows before the application object goes).
    auto* profile = new QWebEngineProfile(QCoreApplication::instance());
    profile->setHttpCacheType(QWebEngineProfile::NoCache);

    QWebEngineSettings* settings = profile->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, true);
    settings->setAttribute(QWebEngineSettings::PdfViewerEnabled, true);

    QWebEngineScript hook;
    hook.setName(QStringLiteral("tova-link-hook"));
    hook.setSourceCode(pagescripts::linkHook());
    hook.setInjectionPoint(QWebEngineScript::DocumentCreation);
    hook.setWorldId(QWebEngineScript::MainWorld);
    hook.setRunsOnSubFrames(true);
    profile->scripts()->insert(hook);
    return profile;
}

} // namespace

QWebEngineProfile* browserProfile() {
    static QWebEngineProfile* profile = createProfile();
    return profile;
}

} // namespace tova
