// The main window's ways into the definitions, acronym and instructions windows.
#include "shell/ui/frmBrowser.h"

#include "reference/ui/frmAcronyms.h"
#include "reference/ui/frmGlossary.h"
#include "reference/ui/frmHelp.h"

namespace {
// The acronym window always opens on this entry.
const QString kFirstAcronym = QStringLiteral("13");
} // namespace

void frmBrowser::gotoGlossary(const QString& key) {
    frmGlossary& glossary = frmGlossary::instance();
    glossary.LoadIndex(false);
    glossary.LoadDefs(key, false);
    glossary.HighlightTreeNode(key);
    glossary.ShowModal();
}

void frmBrowser::gotoAcroGlossary() {
    frmAcronyms& acronyms = frmAcronyms::instance();
    acronyms.LoadAcroIndex(true);
    acronyms.LoadAcros(kFirstAcronym, true);
    acronyms.ShowModal();
}

void frmBrowser::showHelp(const QString& locationName) {
    frmHelp::showHelp(locationName);
}
