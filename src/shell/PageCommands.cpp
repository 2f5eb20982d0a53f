#include "shell/PageCommands.h"

#include "platform/AppFolder.h"
#include "platform/Wait.h"
#include "platform/browser/WebBrowser.h"
#include "platform/dialogs/MessageBox.h"
#include "shell/PageCommand.h"
#include "shell/PageCommandTarget.h"
#include "platform/PageServices.h"
#include "reports/SectionOrder.h"
#include "shell/WindowRegistry.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"

namespace tova {
namespace {

void unknownScreen() {
    MsgBox(QStringLiteral("Unknown Screen"), MsgButtons::Ok, MsgIcon::Critical, QStringLiteral("Error"));
}

} // namespace

QString PageCommands::screenName() const {
    QString name = m_webMain.LocationName();
    name.remove(QStringLiteral(".htm"));
    return name;
}

bool PageCommands::HandleURL(const QString& url) {
    const PageCommand command = PageCommand::parse(url);
    if (command.isPdf) {
        m_target.OpenPDF(url);
        return true;
    }
    if (!command.hasHash)
        return false;

    const QString& code = command.code;
    if (code == QLatin1String("VUA")) {
        m_webMain.Navigate2(appPath(QStringLiteral("misc/UAPP.htm")), QStringLiteral("_blank"));
    } else if (code == QLatin1String("SKP")) {
        if (Globals::IsProjectLoaded()) {
            m_target.GoToFishbone();
        } else if (ReviewDialogOps* dialogs = windowRegistry().reviewDialogs) {
            dialogs->NewLoadDoModal(0);
        } else {
            showNotAvailable(QStringLiteral("New Project"));
        }
    } else if (code == QLatin1String("FSH")) {
        m_target.GoToFishbone();
        m_target.ShowMainWindow();
    } else if (code == QLatin1String("SEC")) {
        // Only cancels the navigation.
    } else if (code == QLatin1String("CAT")) {
        // A link whose category is no 16-bit whole number is only cancelled.
        if (const std::optional<qint16> categoryId = command.numberArgument())
            openQuestionnaire(command.text, *categoryId);
    } else if (code == QLatin1String("GLS")) {
        m_target.gotoGlossary(QStringLiteral("1A1"));
    } else if (code == QLatin1String("CLS")) {
        chooseReviewOnNoReviewPage();
    } else if (code == QLatin1String("DSH")) {
        if (const std::optional<qint16> sectionId = command.numberArgument())
            m_target.GotoDashboardElement(*sectionId);
    } else if (code == QLatin1String("PRT")) {
        m_target.CallPrinter(false);
    } else if (code == QLatin1String("CPY")) {
        m_target.mnuCopyScreen_Click();
    } else if (code == QLatin1String("NXT")) {
        Next();
    } else if (code == QLatin1String("BCK")) {
        Back();
    } else if (code == QLatin1String("INS") || code == QLatin1String("HLP")) {
        m_target.showHelp(m_webMain.LocationName());
    } else {
        // Not a command: an ordinary in-page anchor.
        return false;
    }
    return true;
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
    waitWhile([this] { return m_webMain.ReadyState() != 4; });
    if (ReviewDialogOps* dialogs = windowRegistry().reviewDialogs)
        dialogs->AskLoadReview(true);
    else
        showNotAvailable(QStringLiteral("TOVA - Load Review"));
}

qint16 PageCommands::scoreCardSection() const {
    // The index only ever holds 0 to 4; the bound keeps the section lookup safe all the same.
    return Globals::gSectionOrder[static_cast<size_t>(qBound(0, int(ScoreCardIndex), 4))];
}

void PageCommands::goToScoreCardAt(int index) {
    ScoreCardIndex = static_cast<qint16>(qBound(0, index, 4));
    m_target.GoToScoreCard(scoreCardSection());
}

void PageCommands::Next() {
    const QString screen = screenName();
    if (screen == QLatin1String("fishbone")) {
        m_target.GoToTileChart();
    } else if (screen == QLatin1String("tilechart")) {
        m_target.GoToDashboard1();
    } else if (screen == QLatin1String("dashboard1")) {
        m_target.GoToDashboard2();
    } else if (screen == QLatin1String("dashboard2")) {
        goToScoreCardAt(0);
    } else if (screen == QLatin1String("scorecard")) {
        if (ScoreCardIndex >= 4)
            m_target.GoToProjectTrendGraph();
        else
            goToScoreCardAt(ScoreCardIndex + 1);
    } else if (screen == QLatin1String("projecttrendgraph")) {
        m_target.GoToProjectTrendDetail();
    } else if (screen == QLatin1String("projecttrenddetail")) {
        MsgBox(QStringLiteral("You are at the last screen."), MsgButtons::Ok, MsgIcon::Exclamation);
    } else {
        unknownScreen();
    }
}

void PageCommands::Back() {
    const QString screen = screenName();
    if (screen == QLatin1String("projecttrenddetail")) {
        m_target.GoToProjectTrendGraph();
    } else if (screen == QLatin1String("projecttrendgraph")) {
        goToScoreCardAt(4);
    } else if (screen == QLatin1String("scorecard")) {
        if (ScoreCardIndex <= 0) {
            ScoreCardIndex = 0;
            m_target.GoToDashboard2();
        } else {
            goToScoreCardAt(ScoreCardIndex - 1);
        }
    } else if (screen == QLatin1String("dashboard2")) {
        m_target.GoToDashboard1();
    } else if (screen == QLatin1String("dashboard1")) {
        m_target.GoToTileChart();
    } else if (screen == QLatin1String("tilechart")) {
        m_target.GoToFishbone();
    } else if (screen == QLatin1String("fishbone")) {
        MsgBox(QStringLiteral("You are already at first screen of TOVI - use Help to return to Introduction."),
               MsgButtons::Ok, MsgIcon::Exclamation);
    } else {
        unknownScreen();
    }
}

void PageCommands::RefreshScreen() {
    const QString screen = screenName();
    if (screen == QLatin1String("fishbone"))
        m_target.GoToFishbone();
    else if (screen == QLatin1String("tilechart"))
        m_target.GoToTileChart();
    else if (screen == QLatin1String("dashboard1"))
        m_target.GoToDashboard1();
    else if (screen == QLatin1String("dashboard2"))
        m_target.GoToDashboard2();
    else if (screen == QLatin1String("projecttrendgraph"))
        m_target.GoToProjectTrendGraph();
    else if (screen == QLatin1String("projecttrenddetail"))
        m_target.GoToProjectTrendDetail();
    else if (screen == QLatin1String("scorecard"))
        goToScoreCardAt(ScoreCardIndex);
}

} // namespace tova
