#include "platform/browser/ui/BrowserPage.h"

#include "platform/browser/ui/BrowserProfile.h"
#include "platform/browser/ui/BrowserWindow.h"
#include "platform/browser/ui/PageScripts.h"
#include "platform/browser/ui/WebEngineBrowser.h"

#include <QWebChannel>

namespace tova {

void PageBridge::frameLink(const QString& href, const QString& frameToken) {
    emit frameLinkClicked(href, frameToken);
}

BrowserPage::BrowserPage(QObject* parent)
    : QWebEnginePage(browserProfile(), parent), m_bridge(new PageBridge(this)), m_channel(new QWebChannel(this)) {
    m_channel->registerObject(QString::fromLatin1(pagescripts::kBridgeName), m_bridge);
    setWebChannel(m_channel);
}

bool BrowserPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    return m_filter ? m_filter(url, type, isMainFrame) : true;
}

QWebEnginePage* BrowserPage::createWindow(WebWindowType) {
    // target="_blank" links and window.open: a window of our own, like Navigate2 with "_blank".
    auto* window = BrowserWindow::create(qobject_cast<QWidget*>(parent()));
    window->show();
    return window->browser()->page();
}

} // namespace tova
