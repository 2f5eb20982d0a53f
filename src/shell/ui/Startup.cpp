#include "shell/Startup.h"

#include "platform/AppFolder.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "platform/SystemServices.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/dialogs/ui/QtFileDialogs.h"
#include "platform/dialogs/ui/QtMessageBox.h"
#include "shell/ShellGlobals.h"
#include "shell/ui/frmBrowser.h"
#include "shell/ui/frmSplash.h"
#include "store/Database.h"

#include <QApplication>
#include <QFileInfo>

#include <memory>

namespace Globals {
namespace {

// Installs the real message boxes, file dialogs and settings store for the whole run, wherever a
// service is not installed yet (a test installs scripted ones before it starts the program).
void installServices()
{
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
}

// Closing the main window ends the program: the browser windows it opened close with it, and the
// application ends with its last window.
void closeOtherWindowsWith(frmBrowser* window)
{
    QObject::connect(window, &frmBrowser::closed, window, [window] {
        for (QWidget* other : QApplication::topLevelWidgets())
            if (other != window && other->isVisible())
                other->close();
    });
}

// True when the user chose to install a newer browser instead of starting.
bool offerBrowserUpgrade()
{
    if (IEVersionHelpers::GetIEMajorVersion() >= 6) {
        gIE6OrLater = true;
        return false;
    }
    gIE6OrLater = false;
    const tova::MsgAnswer answer = tova::MsgBox(
        QStringLiteral("You do not appear to have Microsoft Internet Explorer 6 or later on your machine.  Use of "
                       "browsers other than Internet Explorer is not recommened or supported.  TOVA Includes Internet "
                       "Explorer 6 for optional install.  Would you like to install internet Explorer 6 now?"),
        tova::MsgButtons::YesNo, tova::MsgIcon::Exclamation, QStringLiteral("Upgrade Intenet Explorer."));
    if (answer != tova::MsgAnswer::Yes)
        return false;
    ShellHelpers::ExecCmd(tova::appPath(QStringLiteral("misc/ie6download/ie6setup.exe")), QString(), false);
    return true;
}

} // namespace

void PlayIntroMovie()
{
    // The movie is optional: without the program start-up simply goes on.
    const QString movie = tova::appPath(QStringLiteral("mov/mov.exe"));
    if (QFileInfo(movie).isFile())
        ShellHelpers::ExecCmd(movie, QString(), true);
}

bool Main()
{
    installServices();
    gSectionOrder = {2, 3, 1, 4, 0};
    if (offerBrowserUpgrade())
        return false;
    gWelcomePage = tova::appPath(QStringLiteral("index/welcome.htm"));
    LoadDatabase();

    auto splash = std::make_unique<frmSplash>();
    PlayIntroMovie();
    splash->show();

    frmBrowser* window = frmBrowser::instance();
    closeOtherWindowsWith(window);
    window->GoToIntro();
    splash.reset();
    window->show();
    return true;
}

} // namespace Globals
