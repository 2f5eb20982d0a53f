// The main window's print, preview and copy commands: the report screen on display, the question
// list of the current review's phase, and the screen area as a picture on the clipboard.
#include "shell/ui/frmBrowser.h"

#include "platform/AppFolder.h"
#include "platform/capture/ui/Clipboard.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/printing/ui/frmPrinter.h"
#include "platform/ui/BusyCursor.h"
#include "reports/ReportPipeline.h"
#include "shell/QuestionList.h"
#include "shell/ReportScreens.h"
#include "store/ProposedFiles.h"

void frmBrowser::CallPrinter(bool preview) {
    const qsizetype at = tova::reportScreenIndex(m_commands->screenName());
    if (at < 0) {
        tova::MsgBox(QStringLiteral("Current screen is not printable."), tova::MsgButtons::Ok,
                     tova::MsgIcon::Exclamation, QStringLiteral("Can't Print"));
        return;
    }
    const tova::ReportScreen& screen = tova::reportScreens().at(at);
    const QString title = screen.printoutTitle;
    // The five scorecards are printed in turn; each one's file is named after its section.
    const QString pdfFile = screen.perSection()
                                ? Globals::ProposedSectionPrintoutFile(title, m_commands->scoreCardSection())
                                : Globals::ProposedPrintoutFile(title);
    // The report itself, without the screen's frameset.
    frmPrinter::PrintHTMLDoc(tova::appPath(screen.row().pageFile), true, preview, true, pdfFile);
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
