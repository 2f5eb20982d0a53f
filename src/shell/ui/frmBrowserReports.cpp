// The main window's report screens after the fishbone screen. The builders themselves live with
// the reports; here they get the main browser and the chart windows.
#include "shell/ui/frmBrowser.h"

#include "reports/Dashboards.h"
#include "reports/Scorecard.h"
#include "reports/TileChart.h"
#include "reports/TrendScreens.h"
#include "shell/WindowRegistry.h"

void frmBrowser::GoToTileChart() {
    Reports::GoToTileChart(*m_webMain, [this] { return AskSaveContinue(); });
}

void frmBrowser::GoToDashboard1() {
    tova::showNotAvailable(QStringLiteral("Dashboard"));
}

void frmBrowser::GoToDashboard2() {
    tova::showNotAvailable(QStringLiteral("Priority Dashboard"));
}

void frmBrowser::GoToScoreCard(qint16 sectionId) {
    Reports::GoToScoreCard(sectionId, *m_webMain);
}

void frmBrowser::GoToProjectTrendGraph() {
    tova::showNotAvailable(QStringLiteral("Overall Project Trend Graph"));
}

void frmBrowser::GoToProjectTrendDetail() {
    tova::showNotAvailable(QStringLiteral("Project Trend Graph"));
}

void frmBrowser::GotoDashboardElement(qint16 /*sectionId*/) {
    tova::showNotAvailable(QStringLiteral("TOVA Dashboard Element"));
}
