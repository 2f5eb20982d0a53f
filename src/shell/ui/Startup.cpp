#include "shell/Startup.h"

#include "platform/AppFolder.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "platform/SystemServices.h"
#include "platform/browser/ui/BrowserProfile.h"
#include "platform/dialogs/ui/QtFileDialogs.h"
#include "platform/dialogs/ui/QtMessageBox.h"
#include "reports/SectionOrder.h"
#include "shell/BrowserVersionCheck.h"
#include "shell/ShellGlobals.h"
#include "shell/ui/frmBrowser.h"
#include "shell/ui/frmSplash.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include <memory>

namespace Globals {
namespace {

// Installs the real message boxes, file dialogs and settings store for the whole run, wherever a
// service is not installed yet (a test installs scripted ones before it starts the program).
void installServices() {
    static tova::QtMessageBox messageBox;
    static tova::QtFileDialogs fileDialogs;
    static tova::SettingsStore settings;
    tova::Services& services = tova::services();
    if (!services.messageBox)
        services.messageBox = &messageBox;
    if (!services.fileDialogs)
        services.fileDialogs = &fileDialogs;
    if (!services.settings)
        services.settings = &settings;
    if (services.appFolder.isEmpty())
        services.appFolder = QCoreApplication::applicationDirPath();
    // PDF links open in our own browser windows, so the embedded viewer is what makes them readable.
    if (!services.embeddedPdfViewerEnabled) {
        services.embeddedPdfViewerEnabled = [] {
            return tova::browserProfile()->settings()->testAttribute(QWebEngineSettings::PdfViewerEnabled);
        };
    }
}

} // namespace

void PlayIntroMovie() {
    // The movie is optional: without the program start-up simply goes on.
    const QString movie = tova::appPath(QStringLiteral("mov/mov.exe"));
    if (QFileInfo(movie).isFile())
        ShellHelpers::ExecCmd(movie, QString(), true);
}

bool Main() {
    installServices();
    gSectionOrder = {2, 3, 1, 4, 0};
    if (CheckBrowserVersion(IEVersionHelpers::GetIEMajorVersion()))
        return false;
    gWelcomePage = tova::appPath(QStringLiteral("index/welcome.htm"));
    LoadDatabase();

    auto splash = std::make_unique<frmSplash>();
    PlayIntroMovie();
    splash->show();

    frmBrowser* window = frmBrowser::instance();
    window->GoToIntro();
    splash.reset();
    window->show();
    return true;
}

} // namespace Globals
