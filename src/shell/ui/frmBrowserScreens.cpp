// The main window's report screens, reference windows, printing and copying that later builders
// provide. Until a builder is part of the program, its operation says so.
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

void frmBrowser::gotoGlossary(const QString& /*key*/) {
    tova::showNotAvailable(QStringLiteral("Definitions and Suggestions"));
}

void frmBrowser::gotoAcroGlossary() {
    tova::showNotAvailable(QStringLiteral("Glossary"));
}

void frmBrowser::showHelp(const QString& /*locationName*/) {
    tova::showNotAvailable(QStringLiteral("Instructions"));
}

void frmBrowser::CallPrinter(bool /*preview*/) {
    tova::showNotAvailable(QStringLiteral("Printing"));
}

void frmBrowser::PrintQuestions(bool /*preview*/) {
    tova::showNotAvailable(QStringLiteral("Print Questions"));
}

void frmBrowser::mnuCopyScreen_Click() {
    tova::showNotAvailable(QStringLiteral("Copy"));
}
