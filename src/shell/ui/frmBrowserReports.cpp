// The main window's report screens after the fishbone screen. Until a builder is part of the
// program, its operation says so.
#include "shell/ui/frmBrowser.h"

#include "shell/WindowRegistry.h"

void frmBrowser::GoToTileChart() {
    tova::showNotAvailable(QStringLiteral("Tile Chart"));
}

void frmBrowser::GoToDashboard1() {
    tova::showNotAvailable(QStringLiteral("Dashboard"));
}

void frmBrowser::GoToDashboard2() {
    tova::showNotAvailable(QStringLiteral("Priority Dashboard"));
}

void frmBrowser::GoToScoreCard(qint16 /*sectionId*/) {
    tova::showNotAvailable(QStringLiteral("Phase Review Scorecard"));
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
