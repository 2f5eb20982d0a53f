#include "platform/PageServices.h"

#include "platform/AppFolder.h"
#include "platform/ScriptLiteral.h"
#include "platform/SystemServices.h"
#include "platform/Wait.h"
#include "platform/WholeFile.h"
#include "platform/browser/WebBrowser.h"

namespace Globals {

QString PathToURL(const QString& path) {
    QString url = path;
    url.replace(QLatin1Char(' '), QLatin1String("%20"));
    url.replace(QLatin1Char('\\'), QLatin1String("/"));
    if (url.startsWith(QLatin1String("file:///")))
        return url;
    // An absolute path here already begins with the slash that follows the empty host.
    if (url.startsWith(QLatin1Char('/')))
        return QLatin1String("file://") + url;
    return QLatin1String("file:///") + url;
}

bool WriteHTMLAndShow(const QString& html, tova::WebBrowser& browser, const QString& filePath, const QString& navPath,
                      bool navigate) {
    const QString target =
        filePath.isEmpty() ? tova::appFolder() + QLatin1Char('/') + browser.Name() + QLatin1String(".html") : filePath;

    // A failed write keeps the old page whole.
    if (!tova::writeFileWhole(target, html.toUtf8() + "\r\n"))
        return false;

    if (navigate) {
        tova::waitWhile([&browser] { return browser.Busy(); });
        browser.Navigate2(navPath.isEmpty() ? target : PathToURL(navPath));
    }
    return true;
}

void FindAndHighlight(const QString& key, tova::WebBrowser& browser, const QString& frameName) {
    tova::waitWhile([&browser] { return browser.ReadyState() != 4; });
    if (frameName == QLatin1String("side")) {
        tova::waitWhile([&browser] { return IsFrameLoading(browser, QStringLiteral("side")); });
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
