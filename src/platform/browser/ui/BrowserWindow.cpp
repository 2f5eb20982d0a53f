#include "platform/browser/ui/BrowserWindow.h"

#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/ui/EscapeCloses.h"
#include "platform/ui/WindowPlacer.h"

#include <QApplication>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>

namespace tova {

BrowserWindow::BrowserWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new WebEngineBrowser(QStringLiteral("BrowserWindow"), this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    placeWindow(*this, QSize(800, 600), SizeOf::Client, WindowPlacement::Mode::Beside);
    connect(m_browser, &QWebEngineView::titleChanged, this, &QWidget::setWindowTitle);
    closeOnEscapeInside(*m_browser, *this);
    // A page's window.close() closes the window it was opened in.
    connect(m_browser->page(), &QWebEnginePage::windowCloseRequested, this, &QWidget::close);
}

BrowserWindow* BrowserWindow::create(QWidget* origin) {
    // While a modal window is up, every other top-level window is blocked: a window opened from it
    // (or for it) is made its own, so it can be scrolled, zoomed and closed beside it.
    auto* window = new BrowserWindow(QApplication::activeModalWidget());
    setPlacementOrigin(*window, origin ? origin->window() : nullptr);
    return window;
}

BrowserWindow* BrowserWindow::open(const QUrl& url, QWidget* origin) {
    auto* window = create(origin);
    // Loading first gives the browser its drawing surface before the window is shown, so the
    // window system does not have to make the shown window anew.
    window->m_browser->Navigate2(url.toString(QUrl::FullyEncoded));
    window->show();
    return window;
}

} // namespace tova
