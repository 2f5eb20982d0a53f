#include "reference/ui/TwoFrameWindow.h"

#include "platform/MainWindowCallbacks.h"
#include "platform/PageServices.h"
#include "platform/Services.h"
#include "platform/Wait.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/ui/BrowserLayout.h"
#include "platform/ui/EscapeCloses.h"
#include "platform/ui/WindowPlacer.h"
#include "reference/ui/FindBar.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimer>

namespace tova::reference {

namespace {
constexpr int kBrowserWidthMarginTwips = 100;
constexpr int kBrowserHeightMarginTwips = 500;
} // namespace

TwoFrameWindow::TwoFrameWindow(const QString& caption, const QString& browserName, int clientWidthTwips,
                               int clientHeightTwips)
    : QDialog(nullptr) {
    setWindowTitle(caption);
    setModal(true);
    WebBrowser1 = new WebEngineBrowser(browserName, this);
    closeOnEscapeInside(*WebBrowser1, *this);

    m_bottomRow = new QWidget(this);
    auto* row = new QHBoxLayout(m_bottomRow);
    row->setContentsMargins(0, 0, 0, 0);
    cmdFind = new QPushButton(QStringLiteral("Find"), m_bottomRow);
    cmdFind->setObjectName(QStringLiteral("cmdFind"));
    cmdFind->setAutoDefault(false);
    m_findBar = new FindBar(WebBrowser1->page(), m_bottomRow);
    row->addWidget(cmdFind);
    row->addWidget(m_findBar, 1);
    row->addStretch();
    connect(cmdFind, &QPushButton::clicked, this, &TwoFrameWindow::cmdFind_Click);

    placeWindow(*this, QSize(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips)), SizeOf::Client);
    setButtonsEdge(*this, Qt::BottomEdge);
}

TwoFrameWindow::~TwoFrameWindow() = default;

void TwoFrameWindow::cmdFind_Click() {
    WebBrowser1->ExecScript(QStringLiteral("window.focus()"), QStringLiteral("side"));
    m_findBar->open();
}

void TwoFrameWindow::awaitEntryPage(bool framesShown) {
    if (waitWhile([this] { return WebBrowser1->Busy(); }) && framesShown)
        static_cast<void>(waitWhile([this] { return Globals::IsFrameLoading(*WebBrowser1, QStringLiteral("main")); }));
}

void TwoFrameWindow::later(std::function<void()> action) {
    QTimer::singleShot(0, this, [this, action = std::move(action)] {
        if (isVisible())
            action();
    });
}

bool TwoFrameWindow::passOn(const QString& url) {
    MainWindowCallbacks* mainWindow = services().mainWindow;
    return mainWindow ? mainWindow->HandleURL(url) : false;
}

void TwoFrameWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

void TwoFrameWindow::Form_Resize() {
    layoutBrowser(*this, *WebBrowser1, m_bottomRow, kBrowserWidthMarginTwips, kBrowserHeightMarginTwips);
}

} // namespace tova::reference
