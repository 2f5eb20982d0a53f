#include "platform/printing/ui/PrintWindow.h"

#include "platform/Wait.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/printing/PrintHeader.h"

#include <QWebEngineSettings>

namespace tova {

namespace {
// How long a missing header picture may hold a printout back before it goes out without it.
constexpr int kPictureWaitMs = 5000;
} // namespace

PrintWindow::PrintWindow(QWidget* parent)
    : QWidget(parent), m_browser(new WebEngineBrowser(QStringLiteral("WebBrowser1"), this)) {
    setObjectName(QStringLiteral("frmPrinter"));
    // A page is laid out for printing by the engine; the size only matters for scripts that
    // measure the window.
    resize(1024, 768);
    m_browser->resize(size());
    connect(m_browser->page(), &QWebEnginePage::loadFinished, this, [this](bool ok) { m_loaded = ok; });
}

PrintWindow::~PrintWindow() = default;

void PrintWindow::setPrintBackgrounds(bool print) {
    m_browser->page()->settings()->setAttribute(QWebEngineSettings::PrintElementBackgrounds, print);
}

bool PrintWindow::load(const QString& url) {
    m_loaded = false;
    m_browser->Navigate2(url);
    if (!waitWhile([this] { return !m_aborted && m_browser->ReadyState() != 4; }))
        return false;
    if (!waitWhile([this] { return !m_aborted && m_browser->Busy(); }))
        return false;
    return m_loaded && !m_aborted;
}

bool PrintWindow::insertHeader() {
    if (m_aborted || !m_browser->ExecScript(printing::insertHeaderScript()))
        return false;
    const QString settled =
        QStringLiteral("if (!(%1)) throw new Error('loading');").arg(printing::picturesSettledScript());
    // A picture that never arrives only costs the wait; the page still prints.
    static_cast<void>(
        waitWhile([this, &settled] { return !m_aborted && !m_browser->ExecScript(settled); }, kPictureWaitMs));
    return !m_aborted;
}

} // namespace tova
