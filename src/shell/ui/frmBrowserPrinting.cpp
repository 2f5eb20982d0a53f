// The main window's print, preview and copy commands: the report screen on display, the question
// list of the current review's phase, and the screen area as a picture on the clipboard.
#include "shell/ui/frmBrowser.h"

#include "platform/AppFolder.h"
#include "platform/PageServices.h"
#include "platform/capture/ui/Clipboard.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/printing/ui/frmPrinter.h"
#include "platform/ui/BusyCursor.h"
#include "platform/xml/XslTemplate.h"
#include "reports/ReportPipeline.h"
#include "shell/ReportScreens.h"
#include "store/Database.h"
#include "store/ProposedFiles.h"
#include "store/Reviews.h"

#include <QDir>

#include <optional>

namespace {

void cannotMakeQuestionList(const QString& reason) {
    QString text = QStringLiteral("The question list could not be made.");
    if (!reason.trimmed().isEmpty())
        text += QStringLiteral("\n\n") + reason.trimmed();
    tova::MsgBox(text, tova::MsgButtons::Ok, tova::MsgIcon::Critical);
}

// The question list of the phase as a page; nothing (after telling the user) when it cannot be made.
std::optional<QString> questionListPage(const QString& phaseId) {
    Xml::XmlDocument styleSheet;
    Xml::XslTemplate xslTemplate;
    if (!styleSheet.load(tova::appPath(QStringLiteral("survey/questions.xsl"))) ||
        !xslTemplate.setStylesheet(styleSheet)) {
        tova::MsgBox(QStringLiteral("error loading questions.xsl"));
        return std::nullopt;
    }
    const Xml::XmlNode data =
        Globals::gDataDoc.isNull() ? Xml::XmlNode() : Globals::gDataDoc.selectSingleNode(QStringLiteral("data"));
    if (data.isNull()) {
        cannotMakeQuestionList(QStringLiteral("The questionnaire database is not loaded."));
        return std::nullopt;
    }
    Xml::XslProcessor processor = xslTemplate.createProcessor();
    processor.addParameter(QStringLiteral("phase_id"), phaseId);
    processor.setInput(data);
    QString error;
    bool made = false;
    {
        const tova::BusyCursor busy;
        made = processor.transform(&error);
    }
    if (!made) {
        cannotMakeQuestionList(error);
        return std::nullopt;
    }
    return processor.output();
}

} // namespace

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
    const std::optional<QString> html = questionListPage(Globals::GetCurrentPhase());
    if (!html)
        return;
    const QString page = tova::appPath(QStringLiteral("survey/printout.htm"));
    // The main window keeps its page: the list is only written, never shown.
    if (!Globals::WriteHTMLAndShow(*html, *m_webMain, page, QString(), false)) {
        // Printing an older list from an earlier run would print the wrong questions.
        tova::MsgBox(QStringLiteral("The question list could not be printed: its page %1 could not be written.")
                         .arg(QDir::toNativeSeparators(page)),
                     tova::MsgButtons::Ok, tova::MsgIcon::Critical);
        return;
    }
    frmPrinter::PrintHTMLDoc(page, true, preview, false, Globals::ProposedPrintoutFile(QStringLiteral("Questions")));
}

void frmBrowser::mnuCopyScreen_Click() {
    clipboard::CopyScreenToClipboard(this, ScreenShotArea());
}
