// A plain top-level window holding one browser control: where pages and PDF files asked for in a
// new window are shown. It takes the page's title as its caption and deletes itself when closed.
#pragma once

#include <QWidget>

class QUrl;

namespace tova {

class WebEngineBrowser;

class BrowserWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BrowserWindow)
public:
    explicit BrowserWindow(QWidget* parent = nullptr);

    // A new window, not yet shown. Opened while a modal window is up, it belongs to that window.
    static BrowserWindow* create();
    // A new window (as create()), shown, loading the address.
    static BrowserWindow* open(const QUrl& url);

    WebEngineBrowser* browser() const { return m_browser; }

private:
    WebEngineBrowser* m_browser;
};

} // namespace tova
