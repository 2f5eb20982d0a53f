#include "platform/browser/ui/BrowserWindow.h"

#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/ui/EscapeCloses.h"

#include <QApplication>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>

namespace tova {

BrowserWindow::BrowserWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new WebEngineBrowser(QStringLiteral("BrowserWindow"), this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(800, 600);
    connect(m_browser, &QWebEngineView::titleChanged, this, &QWidget::setWindowTitle);
    closeOnEscapeInside(*m_browser, *this);
    // A page's window.close() closes the window it was opened in.
    connect(m_browser->page(), &QWebEnginePage::windowCloseRequested, this, &QWidget::close);
}

BrowserWindow* BrowserWindow::create()
{
    // While a modal window is up, every other top-level window is blocked: a window opened from it
    // (or for it) is made its own, so it can be scrolled, zoomed and closed beside it.
    return new BrowserWindow(QApplication::activeModalWidget());
}

BrowserWindow* BrowserWindow::open(const QUrl& url)
{
    auto* window = create();
    window->show();
    window->m_browser->Navigate2(url.toString(QUrl::FullyEncoded));
    return window;
}

} // namespace tova
