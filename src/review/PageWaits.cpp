#include "review/PageWaits.h"

#include "platform/Wait.h"
#include "platform/browser/WebBrowser.h"

namespace tova::review {

void markDocumentStale(WebBrowser& browser, const QString& frameName) {
    browser.ExecScript(QStringLiteral("window.tovaStaleDocument = true"), frameName);
}

bool waitForFreshDocument(WebBrowser& browser, const QString& frameName, int timeoutMs) {
    return waitWhile(
        [&] {
            const bool loaded = frameName.isEmpty() ? (!browser.Busy() && browser.ReadyState() == 4)
                                                    : browser.IsFrameComplete(frameName);
            if (!loaded)
                return true;
            // The line throws (and ExecScript reports false) while the marked document is still there.
            return !browser.ExecScript(QStringLiteral("if (window.tovaStaleDocument) throw 0;"), frameName);
        },
        timeoutMs);
}

} // namespace tova::review
