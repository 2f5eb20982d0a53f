// The main window's ways into the definitions, acronym and instructions windows. Until a window
// is part of the program, its operation says so.
#include "shell/ui/frmBrowser.h"

#include "shell/WindowRegistry.h"

void frmBrowser::gotoGlossary(const QString& /*key*/) {
    tova::showNotAvailable(QStringLiteral("Definitions and Suggestions"));
}

void frmBrowser::gotoAcroGlossary() {
    tova::showNotAvailable(QStringLiteral("Glossary"));
}

void frmBrowser::showHelp(const QString& /*locationName*/) {
    tova::showNotAvailable(QStringLiteral("Instructions"));
}
