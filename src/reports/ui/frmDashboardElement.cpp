#include "reports/ui/frmDashboardElement.h"

#include "platform/AppFolder.h"
#include "platform/MainWindowCallbacks.h"
#include "platform/Services.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/capture/ui/Clipboard.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/printing/ui/frmPrinter.h"
#include "platform/ui/EscapeCloses.h"
#include "platform/ui/WindowPlacer.h"
#include "reference/ui/frmHelp.h"
#include "reports/ReportPipeline.h"
#include "reports/charts/ChartSaving.h"
#include "reports/charts/QuestionOrder.h"
#include "reports/charts/ScoreChart.h"
#include "store/ProposedFiles.h"

#include <QCoreApplication>
#include <QResizeEvent>
#include <QTimer>

namespace {

// The chart's design size in pixels; the window never changes it.
constexpr int kChartWidthPx = 625;
constexpr int kChartHeightPx = 297;
// The client area's design size in pixels.
constexpr int kClientWidthPx = 792;
constexpr int kClientHeightPx = 560;

QString graphPath() {
    return tova::appPath(QStringLiteral("element/graph.png"));
}

} // namespace

frmDashboardElement::frmDashboardElement() : ReworkGraph(kChartWidthPx, kChartHeightPx, Reports::ScoreChartDesign()) {
    setObjectName(QStringLiteral("frmDashboardElement"));
    setWindowTitle(QStringLiteral("TOVA Dashboard Element"));
    setModal(true);
    WebBrowser1 = new tova::WebEngineBrowser(QStringLiteral("WebBrowser1"), this);
    WebBrowser1->setBeforeNavigate([this](const QString& url) { return WebBrowser1_BeforeNavigate2(url); });
    tova::placeWindow(*this, QSize(kClientWidthPx, kClientHeightPx), tova::SizeOf::Client);
    tova::setButtonsEdge(*this, Qt::TopEdge);
    tova::closeOnEscapeInside(*WebBrowser1, *this);
    // Form_Load: the browser and the capture area start at the client area's corner.
    m_layout.browser = QRect(0, 0, kClientWidthPx, kClientHeightPx);
    m_layout.screenShotArea = m_layout.browser;
    Form_Resize();

    // The window's browser must go before the web engine does when the program ends.
    static bool deletedAtQuit = false;
    if (!deletedAtQuit) {
        deletedAtQuit = true;
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [] { destroyInstance(); });
    }
}

tova::WebBrowser& frmDashboardElement::browser() {
    return *WebBrowser1;
}

bool frmDashboardElement::GenerateDashBoardElement(const Xml::XmlDocument& scoredCopy, qint16 sectionId) {
    m_sectionId = sectionId;
    // The ordering tells the user itself when its style sheet is missing; the section then has
    // nothing to chart.
    const Xml::XmlDocument ordered = Reports::SortQuestionsByWeight(scoredCopy, sectionId);
    const std::optional<Reports::ElementChartData> data = Reports::ElementChartDataFor(scoredCopy, sectionId, ordered);
    if (!data) {
        tova::MsgBox(QStringLiteral("No Graph To Display."), tova::MsgButtons::Ok, tova::MsgIcon::Exclamation);
        return false;
    }
    const auto widthPx =
        qint16(Reports::RoundHalfEven(double(ReworkGraph.Width()) / tova::ChartControl::kTwipsPerPixel));
    const auto heightPx =
        qint16(Reports::RoundHalfEven(double(ReworkGraph.Height()) / tova::ChartControl::kTwipsPerPixel));
    Globals::FillScoreChart(data->values, ReworkGraph, true, data->labels, QString(), widthPx, heightPx);
    // A page over a picture that was not written would show an old chart as this section's.
    if (!ReworkGraph.Save(graphPath(), true)) {
        Reports::ReportUnsavedCharts({graphPath()});
        return false;
    }
    return true;
}

void frmDashboardElement::showModal() {
    exec();
}

bool frmDashboardElement::WebBrowser1_BeforeNavigate2(const QString& url) {
    // The window's own commands run once the browser has finished with this navigation, so that a
    // command started from inside a frame's own navigation may still wait and open windows.
    switch (Reports::ClassifyElementLink(url)) {
    case Reports::ElementLink::Navigate:
        return false;
    case Reports::ElementLink::Back:
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                reject();
        });
        return false;
    case Reports::ElementLink::Print:
        QTimer::singleShot(0, this, [this] {
            frmPrinter::PrintHTMLDoc(
                tova::appPath(QStringLiteral("element/main.htm")), true, false, true,
                Globals::ProposedSectionPrintoutFile(QStringLiteral("Dashboard Element"), m_sectionId));
        });
        return false;
    case Reports::ElementLink::Copy:
        QTimer::singleShot(0, this, [this] { clipboard::CopyScreenToClipboard(this, ScreenShotArea()); });
        return false;
    case Reports::ElementLink::Help: {
        const QString locationName = WebBrowser1->LocationName();
        QTimer::singleShot(0, this, [locationName] { frmHelp::showHelp(locationName); });
        return false;
    }
    case Reports::ElementLink::Other:
        break;
    }
    tova::MainWindowCallbacks* mainWindow = tova::services().mainWindow;
    return mainWindow ? mainWindow->HandleURL(url) : false;
}

void frmDashboardElement::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmDashboardElement::Form_Resize() {
    m_layout = Reports::ElementLayoutFor(frameGeometry().size(), m_layout);
    WebBrowser1->setGeometry(m_layout.browser);
}
