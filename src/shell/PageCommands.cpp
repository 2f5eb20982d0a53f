#include "shell/PageCommands.h"

#include "platform/AppFolder.h"
#include "platform/PageServices.h"
#include "platform/Wait.h"
#include "platform/browser/WebBrowser.h"
#include "platform/dialogs/MessageBox.h"
#include "reports/SectionOrder.h"
#include "shell/PageCommand.h"
#include "shell/PageCommandTarget.h"
#include "shell/ReportScreens.h"
#include "shell/WindowRegistry.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"

namespace tova {
namespace {

// One scorecard per section, at positions 0 to 4.
constexpr int kLastScoreCard = int(std::tuple_size_v<decltype(Globals::gSectionOrder)>) - 1;

void unknownScreen() {
    MsgBox(QStringLiteral("Unknown Screen"), MsgButtons::Ok, MsgIcon::Critical, QStringLiteral("Error"));
}

} // namespace

QString PageCommands::screenName() const {
    QString name = m_webMain.LocationName();
    name.remove(QStringLiteral(".htm"));
    return name;
}

// Every link code the main window's pages carry (the first three letters after the last "#",
// upper-cased) and what it runs. A code not listed is an ordinary in-page anchor.
struct PageCommands::LinkCode {
    QLatin1String code;
    void (*run)(PageCommands& commands, const PageCommand& command);
};

const PageCommands::LinkCode* PageCommands::findLinkCode(const QString& code) {
    static const LinkCode codes[] = {
        {QLatin1String("VUA"),
         [](PageCommands& c, const PageCommand&) {
             c.m_webMain.Navigate2(appPath(QStringLiteral("misc/UAPP.htm")), QStringLiteral("_blank"));
         }},
        {QLatin1String("SKP"), [](PageCommands& c, const PageCommand&) { c.skipIntroduction(); }},
        {QLatin1String("FSH"),
         [](PageCommands& c, const PageCommand&) {
             c.m_target.GoToFishbone();
             c.m_target.ShowMainWindow();
         }},
        // A section heading's link: the navigation is only cancelled.
        {QLatin1String("SEC"), [](PageCommands&, const PageCommand&) {}},
        // A link whose category is no 16-bit whole number is only cancelled.
        {QLatin1String("CAT"),
         [](PageCommands& c, const PageCommand& command) {
             if (const std::optional<qint16> categoryId = command.numberArgument())
                 c.openQuestionnaire(command.text, *categoryId);
         }},
        {QLatin1String("GLS"),
         [](PageCommands& c, const PageCommand&) { c.m_target.gotoGlossary(QStringLiteral("1A1")); }},
        {QLatin1String("CLS"), [](PageCommands& c, const PageCommand&) { c.chooseReviewOnNoReviewPage(); }},
        {QLatin1String("DSH"),
         [](PageCommands& c, const PageCommand& command) {
             if (const std::optional<qint16> sectionId = command.numberArgument())
                 c.m_target.GotoDashboardElement(*sectionId);
         }},
        {QLatin1String("PRT"), [](PageCommands& c, const PageCommand&) { c.m_target.CallPrinter(false); }},
        {QLatin1String("CPY"), [](PageCommands& c, const PageCommand&) { c.m_target.mnuCopyScreen_Click(); }},
        {QLatin1String("NXT"), [](PageCommands& c, const PageCommand&) { c.Next(); }},
        {QLatin1String("BCK"), [](PageCommands& c, const PageCommand&) { c.Back(); }},
        {QLatin1String("INS"), [](PageCommands& c, const PageCommand&) { c.showHelp(); }},
        {QLatin1String("HLP"), [](PageCommands& c, const PageCommand&) { c.showHelp(); }},
    };
    for (const LinkCode& linkCode : codes) {
        if (code == linkCode.code)
            return &linkCode;
    }
    return nullptr;
}

bool PageCommands::HandleURL(const QString& url) {
    const PageCommand command = PageCommand::parse(url);
    if (command.isPdf) {
        m_target.OpenPDF(url);
        return true;
    }
    if (!command.hasHash)
        return false;
    const LinkCode* linkCode = findLinkCode(command.code);
    if (!linkCode)
        return false;
    linkCode->run(*this, command);
    return true;
}

void PageCommands::skipIntroduction() {
    if (Globals::IsProjectLoaded()) {
        m_target.GoToFishbone();
    } else if (ReviewDialogOps* dialogs = windowRegistry().reviewDialogs) {
        dialogs->NewLoadDoModal(0);
    } else {
        showNotAvailable(QStringLiteral("New Project"));
    }
}

void PageCommands::showHelp() {
    m_target.showHelp(m_webMain.LocationName());
}

void PageCommands::openQuestionnaire(const QString& commandText, qint16 categoryId) {
    // A category link still on screen after its project went leads nowhere.
    if (!Globals::IsProjectLoaded())
        return;
    SurveyWindowOps* survey = windowRegistry().survey;
    if (!survey) {
        showNotAvailable(QStringLiteral("Survey"));
        return;
    }
    // A current review whose phase is no whole number gives phase 0: the window then lists no question.
    const qint16 phaseId = Globals::GetCurrentPhase().trimmed().toShort();
    survey->LoadBottom();
    survey->LoadTree(false);
    survey->LoadQuestions(categoryId, phaseId, false);
    survey->LoadCheckBoxes();
    survey->HighlightTreeNode(commandText);
    survey->ShowModal();
}

void PageCommands::chooseReviewOnNoReviewPage() {
    m_webMain.Navigate2(Globals::PathToURL(appPath(QStringLiteral("misc/noreview.htm"))));
    // The choice is asked over the page once it is up; the work cannot go on without a review, so a
    // page that never comes does not keep the user from choosing.
    static_cast<void>(waitWhile([this] { return m_webMain.ReadyState() != 4; }));
    if (ReviewDialogOps* dialogs = windowRegistry().reviewDialogs)
        dialogs->AskLoadReview(true);
    else
        showNotAvailable(QStringLiteral("TOVA - Load Review"));
}

qint16 PageCommands::scoreCardSection() const {
    // The index only ever holds 0 to 4; the bound keeps the section lookup safe all the same.
    return Globals::gSectionOrder[static_cast<size_t>(qBound(0, int(ScoreCardIndex), kLastScoreCard))];
}

void PageCommands::goToScoreCardAt(int index) {
    ScoreCardIndex = static_cast<qint16>(qBound(0, index, kLastScoreCard));
    m_target.GoToScoreCard(scoreCardSection());
}

void PageCommands::showScreen(const ReportScreen& screen, int scoreCardIndex) {
    if (screen.perSection())
        goToScoreCardAt(scoreCardIndex);
    else
        (m_target.*screen.show)();
}

void PageCommands::Next() {
    const qsizetype at = reportScreenIndex(screenName());
    if (at < 0) {
        unknownScreen();
        return;
    }
    const QList<ReportScreen>& screens = reportScreens();
    if (screens.at(at).perSection() && ScoreCardIndex < kLastScoreCard) {
        goToScoreCardAt(ScoreCardIndex + 1);
    } else if (at + 1 == screens.size()) {
        MsgBox(QStringLiteral("You are at the last screen."), MsgButtons::Ok, MsgIcon::Exclamation);
    } else {
        // Scorecards entered forwards start at the first section.
        showScreen(screens.at(at + 1), 0);
    }
}

void PageCommands::Back() {
    const qsizetype at = reportScreenIndex(screenName());
    if (at < 0) {
        unknownScreen();
        return;
    }
    const QList<ReportScreen>& screens = reportScreens();
    if (screens.at(at).perSection() && ScoreCardIndex > 0) {
        goToScoreCardAt(ScoreCardIndex - 1);
    } else if (at == 0) {
        MsgBox(QStringLiteral("You are already at first screen of TOVI - use Help to return to Introduction."),
               MsgButtons::Ok, MsgIcon::Exclamation);
    } else {
        if (screens.at(at).perSection())
            ScoreCardIndex = 0;
        // Scorecards entered backwards start at the last section.
        showScreen(screens.at(at - 1), kLastScoreCard);
    }
}

void PageCommands::RefreshScreen() {
    const qsizetype at = reportScreenIndex(screenName());
    if (at >= 0)
        showScreen(reportScreens().at(at), ScoreCardIndex);
}

} // namespace tova
