#include "platform/PageServices.h"

#include "platform/AppFolder.h"
#include "platform/ScriptLiteral.h"
#include "platform/SystemServices.h"
#include "platform/Wait.h"
#include "platform/WholeFile.h"
#include "platform/browser/WebBrowser.h"

#include <QUrl>

namespace Globals {

QString PathToURL(const QString& path) {
    // An address already (the browsers hand their handlers addresses): its "#" and "?" are the
    // address's own, and carry the page commands and form fields.
    if (path.startsWith(QLatin1String("file:///"))) {
        QString url = path;
        url.replace(QLatin1Char(' '), QLatin1String("%20"));
        url.replace(QLatin1Char('\\'), QLatin1String("/"));
        return url;
    }
    // A path: every character names a file or folder, so those with a meaning in an address ("#",
    // "?", "%", blanks) are escaped. A path that is not absolute is taken from the root.
    const QString absolute = path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path;
    return QUrl::fromLocalFile(absolute).toString(QUrl::FullyEncoded);
}

bool WriteHTMLAndShow(const QString& html, tova::WebBrowser& browser, const QString& filePath, const QString& navPath,
                      bool navigate) {
    const QString target =
        filePath.isEmpty() ? tova::appFolder() + QLatin1Char('/') + browser.Name() + QLatin1String(".html") : filePath;

    // A failed write keeps the old page whole.
    if (!tova::writeFileWhole(target, html.toUtf8() + "\r\n"))
        return false;

    if (navigate) {
        // The page before is let finish first. One that never finishes must not keep the new page
        // from the user: the new navigation then takes its place.
        static_cast<void>(tova::waitWhile([&browser] { return browser.Busy(); }));
        browser.Navigate2(navPath.isEmpty() ? target : PathToURL(navPath));
    }
    return true;
}

void FindAndHighlight(const QString& key, tova::WebBrowser& browser, const QString& frameName) {
    // A page or frame that never came is left unmarked.
    if (!tova::waitWhile([&browser] { return browser.ReadyState() != 4; }))
        return;
    if (frameName == QLatin1String("side")) {
        if (!tova::waitWhile([&browser] { return IsFrameLoading(browser, QStringLiteral("side")); }))
            return;
        browser.ExecScript(QStringLiteral("findAndHighlight(%1)").arg(tova::scriptLiteral(key)), frameName);
    } else {
        browser.ExecScript(QStringLiteral("findAndHighlight(%1)").arg(tova::scriptLiteral(QLatin1Char('#') + key)));
    }
}

bool IsFrameLoading(tova::WebBrowser& browser, const QString& frameName) {
    return !browser.IsFrameComplete(frameName);
}

bool PdfHandlerRegistered() {
    return !RegHelpers::QueryValueHKCR(QStringLiteral(".pdf"), QString()).isEmpty();
}

void OpenPDFWith(const QString& url, tova::WebBrowser& browser, bool newWindow, const QString& frameName,
                 bool handlerRegistered, const std::function<void()>& offerReader) {
    if (!handlerRegistered) {
        if (offerReader)
            offerReader();
        return;
    }
    browser.Navigate2(url, newWindow ? QStringLiteral("_blank") : frameName);
}

} // namespace Globals
