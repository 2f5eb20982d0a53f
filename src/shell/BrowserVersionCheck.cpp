#include "shell/BrowserVersionCheck.h"

#include "platform/AppFolder.h"
#include "platform/SystemServices.h"
#include "platform/dialogs/MessageBox.h"
#include "shell/ShellGlobals.h"

namespace Globals {

bool CheckBrowserVersion(qint16 majorVersion) {
    gIE6OrLater = majorVersion >= 6;
    if (gIE6OrLater)
        return false;
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

} // namespace Globals
