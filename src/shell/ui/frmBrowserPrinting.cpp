// The main window's print, preview and copy commands. Until printing is part of the program,
// each operation says so.
#include "shell/ui/frmBrowser.h"

#include "shell/WindowRegistry.h"

void frmBrowser::CallPrinter(bool /*preview*/) {
    tova::showNotAvailable(QStringLiteral("Printing"));
}

void frmBrowser::PrintQuestions(bool /*preview*/) {
    tova::showNotAvailable(QStringLiteral("Print Questions"));
}

void frmBrowser::mnuCopyScreen_Click() {
    tova::showNotAvailable(QStringLiteral("Copy"));
}

