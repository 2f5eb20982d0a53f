#include "review/ui/frmSurvey.h"

#include "platform/AppFolder.h"
#include "platform/MainWindowCallbacks.h"
#include "platform/Services.h"
#include "platform/Wait.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/ui/BrowserLayout.h"
#include "platform/ui/EscapeCloses.h"
#include "platform/ui/WindowPlacer.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/xml/XslTemplate.h"
#include "reference/ui/frmGlossary.h"
#include "review/PageWaits.h"
#include "review/SurveyLinks.h"
#include "platform/PageServices.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"
#include "store/Scoring.h"

#include <QResizeEvent>
#include <QTimer>

#include <utility>

using namespace tova;
using namespace tova::review;

namespace {

// The submission of the question form reaches the handler a moment after the script ran.
constexpr int kSubmissionWaitMs = 5000;
// Reported in the message of an error met while a question page is built.
constexpr int kPageBuildError = 1;

const QString kMainFrame = QStringLiteral("main");
const QString kSideFrame = QStringLiteral("side");

void reportLoadQuestionsError(const QString& description) {
    MsgBox(unexpectedErrorText(kPageBuildError, description, QStringLiteral("LoadQuestions"), QStringLiteral("Form"),
                               QStringLiteral("frmSurvey")));
}

// Loads a style sheet of the content folder; false when it is missing or broken.
bool loadStylesheet(Xml::XslTemplate& stylesheet, const QString& relative) {
    return stylesheet.load(appPath(relative));
}

} // namespace

frmSurvey::frmSurvey(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Survey"));
    setModal(true);
    WebBrowser2 = new WebEngineBrowser(QStringLiteral("WebBrowser2"), this);
    WebBrowser2->setBeforeNavigate([this](const QString& url) { return WebBrowser2_BeforeNavigate2(url); });
    closeOnEscapeInside(*WebBrowser2, *this);
    placeWindow(*this, QSize(960, 680), SizeOf::Client);
}

WebBrowser& frmSurvey::browser() {
    return *WebBrowser2;
}

qint32 frmSurvey::getCat(const QString& url) {
    return review::getCat(url);
}

void frmSurvey::LoadQuestions(qint16 categoryId, qint16 /*phaseId*/, bool refresh) {
    // The phase shown is always the current review's; callers pass that same phase.
    const QString phase = Globals::GetCurrentPhase();
    Xml::XslTemplate stylesheet;
    if (!loadStylesheet(stylesheet, QStringLiteral("survey/questions.xsl"))) {
        MsgBox(QStringLiteral("Error loading XSL"));
        return;
    }
    Xml::XslProcessor processor = stylesheet.createProcessor();
    processor.addParameter(QStringLiteral("phase_id"), phase);
    const Xml::XmlNode category = Globals::gDataDoc.selectSingleNode(
        QStringLiteral("data/survey/section/category[category_id = %1]").arg(categoryId));
    if (category.isNull()) {
        reportLoadQuestionsError(QStringLiteral("category %1 is not in the questionnaire").arg(categoryId));
        return;
    }
    processor.setInput(category);
    QString error;
    if (!processor.transform(&error)) {
        reportLoadQuestionsError(error);
        return;
    }

    const QString mainPage = appPath(QStringLiteral("survey/main.htm"));
    if (!refresh) {
        // A new top page: the browser's own loading state tells when it has come, so the old page
        // (hidden since the window last closed) is not asked anything; a page hidden right after a
        // click could leave that question unanswered for seconds.
        if (!Globals::WriteHTMLAndShow(processor.output(), *WebBrowser2, mainPage,
                                       appPath(QStringLiteral("survey/survey.htm")), true)) {
            reportLoadQuestionsError(QStringLiteral("the page %1 could not be written").arg(mainPage));
            return;
        }
        waitForFreshDocument(*WebBrowser2, QString(), kPageWaitMs);
    } else {
        if (!Globals::WriteHTMLAndShow(processor.output(), *WebBrowser2, mainPage, QString(), false)) {
            reportLoadQuestionsError(QStringLiteral("the page %1 could not be written").arg(mainPage));
            return;
        }
        markDocumentStale(*WebBrowser2, kMainFrame);
        WebBrowser2->Navigate2(QStringLiteral("main.htm"), kMainFrame);
    }
    waitForFreshDocument(*WebBrowser2, kMainFrame, kPageWaitMs);
    bool phaseOk = false;
    const qint16 phaseId = phase.toShort(&phaseOk);
    if (phaseOk)
        Globals::LoadAnswers(categoryId, phaseId, *WebBrowser2);
}

void frmSurvey::LoadTree(bool navigate) {
    Xml::XslTemplate stylesheet;
    if (!loadStylesheet(stylesheet, QStringLiteral("survey/qtree.xsl"))) {
        MsgBox(QStringLiteral("Error loading XSL"));
        return;
    }
    Xml::XslProcessor processor = stylesheet.createProcessor();
    const Xml::XmlNode survey = Globals::gDataDoc.selectSingleNode(QStringLiteral("data/survey"));
    if (survey.isNull())
        return;
    processor.setInput(survey);
    if (!processor.transform())
        return;
    Globals::WriteHTMLAndShow(processor.output(), *WebBrowser2, appPath(QStringLiteral("survey/side.htm")),
                              appPath(QStringLiteral("survey/survey.htm")), navigate);
}

void frmSurvey::HighlightTreeNode(const QString& key) {
    waitWhile([this] { return Globals::IsFrameLoading(*WebBrowser2, kSideFrame); });
    WebBrowser2->ExecScript(highlightScript(key), kSideFrame);
}

void frmSurvey::LoadBottom() {
    Xml::XslTemplate stylesheet;
    if (!loadStylesheet(stylesheet, QStringLiteral("survey/bottom.xsl"))) {
        MsgBox(QStringLiteral("Error Loading bottom.xsl"), MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    // The phase is compared as text; a phase the questionnaire lacks leaves the bottom page as it was.
    const Xml::XmlNode phase =
        Globals::gDataDoc.selectSingleNode(QStringLiteral("data/phases/phase[phase_id = \"%1\"]")
                                               .arg(Globals::GetCurrentPhase().remove(QLatin1Char('"'))));
    if (phase.isNull())
        return;
    Xml::XslProcessor processor = stylesheet.createProcessor();
    processor.setInput(phase);
    if (!processor.transform())
        return;
    Globals::WriteHTMLAndShow(processor.output(), *WebBrowser2, appPath(QStringLiteral("survey/bottom.htm")), QString(),
                              false);
}

void frmSurvey::LoadCheckBoxes() {
    if (Globals::gDataDoc.isNull() || Globals::gCurrentReview.isNull())
        return;
    const Xml::XmlNode data = Globals::gDataDoc.documentElement();
    if (data.isNull())
        return;
    Xml::XmlDocument scoredCopy = Xml::XmlDocument::copyOf(data);
    const Xml::XmlDocument reviewCopy = Globals::GetCurrentReviewDoc();
    bool phaseOk = false;
    const qint16 phaseId = Globals::GetCurrentPhase().toShort(&phaseOk);
    if (!phaseOk)
        return;
    Globals::MarkCategoryStatus(scoredCopy, phaseId, reviewCopy);

    waitWhile([this] { return Globals::IsFrameLoading(*WebBrowser2, kSideFrame); });
    for (const Xml::XmlNode& category : scoredCopy.selectNodes(QStringLiteral("data/survey/section/category"))) {
        const Xml::XmlNode status = category.selectSingleNode(QStringLiteral("status"));
        const std::optional<QString> mark = statusMark(status ? status.text() : QString());
        if (!mark)
            continue;
        const Xml::XmlNode id = category.selectSingleNode(QStringLiteral("category_id"));
        WebBrowser2->ExecScript(swapImageScript(id ? id.text() : QString(), *mark), kSideFrame);
    }
}

void frmSurvey::ShowModal() {
    ++m_showing;
    m_review = Globals::gCurrentReview;
    m_closing = false;
    m_changingCategory = false;
    m_nextCategory.reset();
    exec();
    // The answers on display were stored while closing; now the fishbone screen is rebuilt from them.
    if (MainWindowCallbacks* mainWindow = services().mainWindow)
        mainWindow->HandleURL(QStringLiteral("#FSH"));
}

bool frmSurvey::WebBrowser2_BeforeNavigate2(const QString& url) {
    switch (classifySurveyLink(url)) {
    case SurveyLink::Close:
        // Closed once the browser has finished with this navigation.
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                reject();
        });
        return false;
    case SurveyLink::StoreAnswers:
        // Nothing is stored once the window's review has left the open project.
        Globals::SaveAnswersTo(m_review, url);
        ++m_submissions;
        return true;
    case SurveyLink::Definition:
        QTimer::singleShot(0, this, [this, url] { openDefinition(url); });
        return true;
    case SurveyLink::Category: {
        const qint16 id = *categoryLinkId(url);
        QTimer::singleShot(0, this, [this, id, showing = m_showing] {
            if (showing == m_showing)
                changeCategory(id);
        });
        return true;
    }
    case SurveyLink::Other:
        break;
    }
    MainWindowCallbacks* mainWindow = services().mainWindow;
    return mainWindow ? mainWindow->HandleURL(url) : false;
}

void frmSurvey::changeCategory(qint16 categoryId) {
    if (m_closing || !isVisible())
        return;
    // A category clicked while another is loading is shown once that one is up: the last click wins.
    m_nextCategory = categoryId;
    if (m_changingCategory)
        return;
    m_changingCategory = true;
    while (m_nextCategory && !m_closing && isVisible()) {
        const qint16 shown = *std::exchange(m_nextCategory, std::nullopt);
        storeAnswersOnDisplay();
        bool phaseOk = false;
        const qint16 phaseId = Globals::GetCurrentPhase().toShort(&phaseOk);
        LoadQuestions(shown, phaseOk ? phaseId : qint16(0), true);
        LoadCheckBoxes();
    }
    m_nextCategory.reset();
    m_changingCategory = false;
}

void frmSurvey::openDefinition(const QString& url) {
    // The link may have been clicked just before the window began to close.
    if (m_closing || !isVisible())
        return;
    // The definitions window fills its index, shows the entry of the link's key and highlights it
    // in its index, then opens modally over this window.
    frmGlossary& glossary = frmGlossary::instance();
    glossary.LoadIndex(false);
    glossary.LoadDefs(frmGlossary::GetGlossKey(url), false);
    glossary.HighlightTreeNode(frmGlossary::GetGlossKey(url));
    glossary.ShowModal();
}

void frmSurvey::storeAnswersOnDisplay() {
    const quint64 before = m_submissions;
    // A page without a form has nothing to submit.
    if (!WebBrowser2->ExecScript(submitFormScript(), kMainFrame))
        return;
    waitWhile([&] { return m_submissions == before; }, kSubmissionWaitMs);
}

void frmSurvey::reject() {
    Form_QueryUnload();
}

void frmSurvey::Form_QueryUnload() {
    if (m_closing)
        return;
    m_closing = true;
    hide();
    storeAnswersOnDisplay();
    QDialog::reject();
}

void frmSurvey::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmSurvey::Form_Resize() {
    layoutBrowser(*this, *WebBrowser2, nullptr, 100, 500);
}
