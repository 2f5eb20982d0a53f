#include "shell/DesktopDocuments.h"

#include "platform/PageServices.h"
#include "platform/SystemServices.h"
#include "platform/browser/WebBrowser.h"
#include "platform/dialogs/MessageBox.h"

#include <QFileInfo>
#include <QMimeDatabase>

namespace Globals {

bool BrowserShowsFile(const QString& filePath) {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(filePath, QMimeDatabase::MatchExtension);
    for (const char* shown : {"text/html", "application/xhtml+xml", "text/plain", "application/pdf", "image/png",
                              "image/jpeg", "image/gif", "image/bmp", "image/svg+xml"}) {
        if (type.inherits(QLatin1String(shown)))
            return true;
    }
    return false;
}

void OpenDocument(const QString& filePath, tova::WebBrowser& browser) {
    if (BrowserShowsFile(filePath)) {
        browser.Navigate2(PathToURL(filePath), QStringLiteral("_blank"));
        return;
    }
    const QString name = QFileInfo(filePath).fileName();
    if (!QFileInfo(filePath).isFile()) {
        tova::MsgBox(QStringLiteral("The file \"%1\" cannot be found.\n\n%2").arg(name, filePath), tova::MsgButtons::Ok,
                     tova::MsgIcon::Exclamation);
        return;
    }
    if (ShellHelpers::OpenWithDefaultApplication(filePath))
        return;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(filePath);
    tova::MsgBox(QStringLiteral("No program on this computer is set up to open \"%1\" (%2). Install one, or open "
                                "the file with a program of your choice:\n\n%3")
                     .arg(name, type.comment(), filePath),
                 tova::MsgButtons::Ok, tova::MsgIcon::Information);
}

} // namespace Globals
