#include "review/ui/frmRoadmap.h"

#include "platform/AppFolder.h"
#include "platform/PageServices.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/ui/BrowserLayout.h"
#include "platform/ui/EscapeCloses.h"
#include "platform/ui/WindowPlacer.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"

#include <QResizeEvent>
#include <QTimer>

using namespace tova;

frmRoadmap::frmRoadmap(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("TOVA Roadmap"));
    setModal(true);
    WebBrowser1 = new WebEngineBrowser(QStringLiteral("WebBrowser1"), this);
    WebBrowser1->setBeforeNavigate([this](const QString& url) { return WebBrowser1_BeforeNavigate2(url); });
    placeWindow(*this, QSize(820, 620), SizeOf::Client);
    setButtonsEdge(*this, Qt::BottomEdge);
    tova::closeOnEscapeInside(*WebBrowser1, *this);
}

bool frmRoadmap::roadMapDue() {
    return Globals::IsProjectLoaded() && Globals::gProjectPath.isEmpty() && !Globals::gCurrentReview.isNull() &&
           Globals::GetCurrentReviewID() == 1;
}

void frmRoadmap::ShowRoadMap() {
    if (!roadMapDue())
        return;
    WebBrowser1->Navigate2(Globals::PathToURL(appPath(QStringLiteral("misc/roadmap.htm"))));
    exec();
}

bool frmRoadmap::WebBrowser1_BeforeNavigate2(const QString& url) {
    const QString ending = url.right(4);
    if (ending == QLatin1String("#CLS")) {
        QTimer::singleShot(0, this, [this] { accept(); });
    } else if (ending == QLatin1String("#INS")) {
        const QString started = Globals::PathToURL(appPath(QStringLiteral("index/started.htm")));
        QTimer::singleShot(0, this, [this, started] { WebBrowser1->Navigate2(started, QStringLiteral("_blank")); });
    }
    // The road map handles its own links and lets every navigation go on.
    return false;
}

void frmRoadmap::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layoutBrowser(*this, *WebBrowser1, nullptr, 100, 480);
}
