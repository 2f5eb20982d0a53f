// The main window's print, preview and copy commands: the report screen on display, the question
// list of the current review's phase, and the screen area as a picture on the clipboard.
#include "shell/ui/frmBrowser.h"

#include "platform/AppFolder.h"
#include "platform/capture/ui/Clipboard.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/printing/ui/frmPrinter.h"
#include "platform/ui/BusyCursor.h"
#include "shell/QuestionList.h"
#include "store/ProposedFiles.h"

#include <array>

namespace {

struct PrintableScreen {
    const char* screen;
    const char* file;  // the report itself, without the screen's frameset
    const char* title; // names the printout's file
};

// The page a report screen prints; null for a screen that does not print.
const PrintableScreen* printableScreen(const QString& screen) {
    static const std::array<PrintableScreen, 7> screens = {{
        {"fishbone", "fishbone/fish.htm", "Fishbone"},
        {"tilechart", "tilechart/main.htm", "Tile Chart"},
        {"dashboard1", "dashboard1/main.htm", "Dashboard"},
        {"dashboard2", "dashboard2/main.htm", "Priority Dashboard"},
        {"projecttrendgraph", "projecttrendgraph/main.htm", "Project Trend"},
        {"projecttrenddetail", "projecttrenddetail/main.htm", "Project Trend by Section"},
        {"scorecard", "scorecard/main.htm", "Scorecard"},
    }};
    for (const PrintableScreen& printable : screens) {
        if (screen == QLatin1String(printable.screen))
            return &printable;
    }
    return nullptr;
}

} // namespace

void frmBrowser::CallPrinter(bool preview) {
    const PrintableScreen* printable = printableScreen(m_commands->screenName());
    if (!printable) {
        tova::MsgBox(QStringLiteral("Current screen is not printable."), tova::MsgButtons::Ok,
                     tova::MsgIcon::Exclamation, QStringLiteral("Can't Print"));
        return;
    }
    const QString title = QString::fromLatin1(printable->title);
    // The five scorecards are printed in turn; each one's file is named after its section.
    const QString pdfFile = printable->screen == QLatin1String("scorecard")
                                ? Globals::ProposedSectionPrintoutFile(title, m_commands->scoreCardSection())
                                : Globals::ProposedPrintoutFile(title);
    frmPrinter::PrintHTMLDoc(tova::appPath(QString::fromLatin1(printable->file)), true, preview, true, pdfFile);
}

void frmBrowser::PrintQuestions(bool preview) {
    bool written = false;
    {
        const tova::BusyCursor busy;
        written = Globals::WriteQuestionList(*m_webMain);
    }
    if (!written)
        return;
    frmPrinter::PrintHTMLDoc(tova::appPath(Globals::questionListRoad().pageFile), true, preview, false,
                             Globals::ProposedPrintoutFile(QStringLiteral("Questions")));
}

void frmBrowser::mnuCopyScreen_Click() {
    clipboard::CopyScreenToClipboard(this, ScreenShotArea());
}
