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
#include "store/Database.h"
#include "store/ProposedFiles.h"
#include "store/Reviews.h"

#include <QDir>

#include <array>
#include <optional>

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
