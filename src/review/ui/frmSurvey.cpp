#include "review/ui/frmSurvey.h"

#include "platform/MainWindowCallbacks.h"
#include "platform/PageServices.h"
#include "platform/Services.h"
#include "platform/Wait.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/ui/BrowserLayout.h"
#include "platform/ui/EscapeCloses.h"
#include "platform/ui/WindowPlacer.h"
#include "reference/ui/frmGlossary.h"
#include "review/PageWaits.h"
#include "review/SurveyLinks.h"
#include "review/SurveyPages.h"
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

// The submission of the question form reaches the handler a moment after the script ran; the
// bound is generous so that only a page that truly stalls runs into it.
constexpr int kSubmissionWaitMs = 10000;

const QString kMainFrame = QStringLiteral("main");
const QString kSideFrame = QStringLiteral("side");

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
    // A page reloaded in its frame is marked first: the wait below tells the new one by the mark.
    if (refresh)
        markDocumentStale(*WebBrowser2, kMainFrame);
    // The phase shown is always the current review's; callers pass that same phase.
    if (!ShowQuestionPage(categoryId, *WebBrowser2, refresh)) {
        // An opening without its page shows an empty window, never the questionnaire of an earlier
        // opening; a category that could not be shown leaves the one on display.
        if (!refresh)
            WebBrowser2->Navigate2(QStringLiteral("about:blank"));
        return;
    }
    // A new top page: the browser's own loading state tells when it has come, so the old page
    // (hidden since the window last closed) is not asked anything; a page hidden right after a
    // click could leave that question unanswered for seconds.
    const bool arrived = (refresh || waitForFreshDocument(*WebBrowser2, QString(), kPageWaitMs)) &&
                         waitForFreshDocument(*WebBrowser2, kMainFrame, kPageWaitMs);
    // Answers are ticked only in the new page, never in the one it was to replace.
    if (!arrived) {
        TellQuestionPageError(QStringLiteral("the question page did not finish loading"));
        return;
    }
    bool phaseOk = false;
    const qint16 phaseId = Globals::GetCurrentPhase().toShort(&phaseOk);
    if (phaseOk)
        Globals::LoadAnswers(categoryId, phaseId, *WebBrowser2);
}

bool frmSurvey::treeArrived() {
    // The tree of a frameset that is not on display (its question page could not be made) never
    // comes: no wait for it.
    const auto treeToCome = [this] {
        return Globals::IsFrameLoading(*WebBrowser2, kSideFrame) &&
               (WebBrowser2->Busy() ||
                WebBrowser2->LocationURL().endsWith(QStringLiteral("/survey/survey.htm"), Qt::CaseInsensitive));
    };
    return waitWhile(treeToCome) && !Globals::IsFrameLoading(*WebBrowser2, kSideFrame);
}

void frmSurvey::LoadTree(bool navigate) {
    WriteQuestionTree(*WebBrowser2, navigate);
}

void frmSurvey::HighlightTreeNode(const QString& key) {
    // A tree that never came is left unmarked.
    if (treeArrived())
        WebBrowser2->ExecScript(highlightScript(key), kSideFrame);
}

void frmSurvey::LoadBottom() {
    WriteBottomPage(*WebBrowser2);
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

    // A tree that never came gets no marks.
    if (!treeArrived())
        return;
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
    m_review = Globals::RefToReview(Globals::gCurrentReview);
    m_changingCategory = false;
    m_nextCategory.reset();
    // Shown again when the user chose to stay because the answers on display were not stored.
    do {
        m_closing = false;
        m_stayOpen = false;
        exec();
    } while (m_stayOpen);
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
        // Replacing a page whose answers have not arrived would lose them: the category stays.
        if (!storeAnswersOnDisplay()) {
            m_nextCategory.reset();
            MsgBox(QStringLiteral("The answers on display could not be stored, so the category was not changed. "
                                  "Click the category again to retry."),
                   MsgButtons::Ok, MsgIcon::Exclamation);
            break;
        }
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

bool frmSurvey::storeAnswersOnDisplay() {
    const quint64 before = m_submissions;
    // A page without a form has nothing to submit.
    if (!WebBrowser2->ExecScript(submitFormScript(), kMainFrame))
        return true;
    return waitWhile([&] { return m_submissions == before; }, kSubmissionWaitMs);
}

void frmSurvey::reject() {
    Form_QueryUnload();
}

void frmSurvey::Form_QueryUnload() {
    if (m_closing)
        return;
    m_closing = true;
    hide();
    // Answers that have not arrived are never dropped unasked: the user may keep the window and its
    // page. Should they still arrive after a close, they are stored all the same.
    if (!storeAnswersOnDisplay() &&
        MsgBox(QStringLiteral("The answers on display could not be stored yet. Close the questionnaire anyway?\n\n"
                              "Click No to keep it open and close it again later."),
               MsgButtons::YesNo, MsgIcon::Exclamation) == MsgAnswer::No)
        m_stayOpen = true;
    QDialog::reject();
}

void frmSurvey::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmSurvey::Form_Resize() {
    layoutBrowser(*this, *WebBrowser2, nullptr, 100, 500);
}
