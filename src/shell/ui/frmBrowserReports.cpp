// The main window's report screens after the fishbone screen. The builders live with the reports;
// here they get the main browser and the chart windows.
#include "shell/ui/frmBrowser.h"

#include "reports/Dashboards.h"
#include "reports/ReportPipeline.h"
#include "reports/Scorecard.h"
#include "reports/TileChart.h"
#include "reports/charts/ui/TrendCharts.h"
#include "reports/charts/ui/frmGraphs.h"
#include "reports/ui/frmDashboardElement.h"

void frmBrowser::GoToTileChart() {
    Reports::GoToTileChart(*m_webMain, [this] { return AskSaveContinue(); });
}

void frmBrowser::GoToDashboard1() {
    Reports::GoToDashboard(Reports::dashboardRow(), &frmGraphs::GenerateSectionGraphs, *m_webMain);
}

void frmBrowser::GoToDashboard2() {
    Reports::GoToDashboard(Reports::priorityDashboardRow(), &frmGraphs::GeneratePriorityGraphs, *m_webMain);
}

void frmBrowser::GoToScoreCard(qint16 sectionId) {
    Reports::GoToScoreCard(sectionId, *m_webMain);
}

void frmBrowser::GoToProjectTrendGraph() {
    Reports::GoToTrendScreen(Reports::TrendKind::Overall, *m_webMain);
}

void frmBrowser::GoToProjectTrendDetail() {
    Reports::GoToTrendScreen(Reports::TrendKind::PerSection, *m_webMain);
}

void frmBrowser::GotoDashboardElement(qint16 sectionId) {
    Reports::GotoDashboardElement(sectionId, frmDashboardElement::instance());
}
