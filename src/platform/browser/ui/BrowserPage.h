// The web page behind a browser control: hands every navigation request to its control, opens
// pages that ask for a new window in a BrowserWindow, and carries the bridge through which the
// link hook of frames reports clicks on links within a frame's own document.
#pragma once

#include <QWebEnginePage>

#include <functional>

class QWebChannel;

namespace tova {

// Published to the page's web channel; the top window's link hook calls it.
class PageBridge final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageBridge)
public:
    using QObject::QObject;

    // A frame's link to a place in its own document was clicked and held back: href is the link's
    // absolute address, frameToken names the frame's document.
    Q_INVOKABLE void frameLink(const QString& href, const QString& frameToken);

signals:
    void frameLinkClicked(const QString& href, const QString& frameToken);
};

class BrowserPage final : public QWebEnginePage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BrowserPage)
public:
    // Answers whether a navigation may go on.
    using NavigationFilter = std::function<bool(const QUrl& url, NavigationType type, bool isMainFrame)>;

    explicit BrowserPage(QObject* parent = nullptr);

    void setNavigationFilter(NavigationFilter filter) { m_filter = std::move(filter); }
    PageBridge* bridge() const { return m_bridge; }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    NavigationFilter m_filter;
    PageBridge* m_bridge;
    QWebChannel* m_channel;
};

} // namespace tova
