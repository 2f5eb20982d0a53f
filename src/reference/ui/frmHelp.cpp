#include "reference/ui/frmHelp.h"

#include "platform/AppFolder.h"
#include "platform/PageServices.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/ui/BrowserLayout.h"
#include "platform/ui/EscapeCloses.h"
#include "platform/ui/WindowPlacer.h"
#include "reference/ReferenceLinks.h"

#include <QResizeEvent>
#include <QTimer>

using namespace tova;
using namespace tova::reference;

namespace {
constexpr int kClientWidthTwips = 8790;
constexpr int kClientHeightTwips = 8490;
constexpr int kBrowserWidthMarginTwips = 100;
constexpr int kBrowserHeightMarginTwips = 480;
} // namespace

frmHelp::frmHelp() : QDialog(nullptr) {
    setWindowTitle(QStringLiteral("Instructions"));
    setModal(true);
    WebBrowser1 = new WebEngineBrowser(QStringLiteral("WebBrowser1"), this);
    WebBrowser1->setBeforeNavigate([this](const QString& url) { return WebBrowser1_BeforeNavigate2(url); });
    placeWindow(*this, QSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips)), SizeOf::Client,
                WindowPlacement::Mode::Beside);
    tova::closeOnEscapeInside(*WebBrowser1, *this);
}

void frmHelp::showHelp(const QString& locationName) {
    // Modal, and any click in it closes it: a second call while it is up would be a re-entry.
    frmHelp& window = instance();
    if (window.isVisible())
        return;
    window.m_firstNavigation = true;
    if (const std::optional<InstructionPage> page = instructionPageFor(locationName)) {
        window.WebBrowser1->Navigate2(Globals::PathToURL(appPath(page->page)));
        // The page's sizes are outer sizes: applied again once the window system has framed it.
        setDesignSize(window, QSize(twipsToPixels(page->widthTwips), twipsToPixels(page->heightTwips)), SizeOf::Outer);
    } else {
        // A browser that has never loaded anything makes its drawing surface only once shown, and
        // the window system then makes the window anew: on a real display it comes back without
        // its modality, under the window it belongs to. A blank page makes the surface now.
        window.WebBrowser1->Navigate2(QStringLiteral("about:blank"));
        // The blank page is none of the page's own navigations: the window stays for the next one.
        window.m_firstNavigation = true;
    }
    window.exec();
    // Unloaded: the next call starts from a new window at its loaded size.
    destroyInstance();
}

bool frmHelp::WebBrowser1_BeforeNavigate2(const QString& /*url*/) {
    if (m_firstNavigation) {
        m_firstNavigation = false;
    } else {
        // Closed once the browser has finished with this navigation.
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                reject();
        });
    }
    return false;
}

void frmHelp::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmHelp::Form_Resize() {
    layoutBrowser(*this, *WebBrowser1, nullptr, kBrowserWidthMarginTwips, kBrowserHeightMarginTwips);
}
