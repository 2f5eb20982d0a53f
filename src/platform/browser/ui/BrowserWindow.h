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

    // A new window, not yet shown, to be placed beside origin (the window whose page asked for it).
    // Opened while a modal window is up, it belongs to that window.
    static BrowserWindow* create(QWidget* origin);
    // A new window (as create()), loading the address, shown.
    static BrowserWindow* open(const QUrl& url, QWidget* origin);

    WebEngineBrowser* browser() const { return m_browser; }

private:
    WebEngineBrowser* m_browser;
};

} // namespace tova
