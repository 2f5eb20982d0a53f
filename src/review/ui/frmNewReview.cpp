#include "review/ui/frmNewReview.h"

#include "platform/FormQuery.h"
#include "platform/MainWindowCallbacks.h"
#include "platform/Services.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/ui/EscapeCloses.h"
#include "platform/ui/WindowPlacer.h"
#include "review/NewReviewRules.h"
#include "review/ProjectDetailsForm.h"
#include "review/ReviewClock.h"
#include "review/SurveyPages.h"
#include "review/ui/ReviewDateBox.h"
#include "review/ui/frmRoadmap.h"
#include "store/Reviews.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

using namespace tova;
using namespace tova::review;

frmNewReview::frmNewReview(QWidget* parent) : QDialog(parent), m_clock(&systemClock()) {
    setWindowTitle(QStringLiteral("New Review"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* dateRow = new QHBoxLayout;
    auto* dateLabel = new QLabel(QStringLiteral("Review &date:"), this);
    tdbRevDate = new ReviewDateBox(this);
    dateLabel->setBuddy(tdbRevDate);
    dateRow->addWidget(dateLabel);
    dateRow->addWidget(tdbRevDate);
    dateRow->addStretch(1);
    layout->addLayout(dateRow);
    WebBrowser1 = new WebEngineBrowser(QStringLiteral("WebBrowser1"), this);
    layout->addWidget(WebBrowser1, 1);
    WebBrowser1->setBeforeNavigate([this](const QString& url) { return WebBrowser1_BeforeNavigate2(url); });
    placeWindow(*this, QSize(600, 520), SizeOf::Client);
    tova::closeOnEscapeInside(*WebBrowser1, *this);
}

void frmNewReview::setClock(const Clock* clock) {
    m_clock = clock ? clock : &systemClock();
}

void frmNewReview::AddReview() {
    showDialog(true);
}

void frmNewReview::ShowDirect() {
    showDialog(false);
}

void frmNewReview::showDialog(bool openedThroughAddReview) {
    Form_Load();
    m_openedThroughAddReview = openedThroughAddReview;
    for (;;) {
        m_pendingPhase.reset();
        exec();
        if (!m_pendingPhase)
            break;
        if (createSubmittedReview(*m_pendingPhase))
            break;
        // The project refused the review (and said why): the dialog stays up as it was.
    }
    m_pendingPhase.reset();
}

void frmNewReview::Form_Load() {
    m_submitted = false;
    m_openedThroughAddReview = false;
    m_pendingPhase.reset();
    tdbRevDate->setDate(m_clock->now().date());

    // Without a new list of phases the dialog shows an empty page and can only be closed; a list
    // from an earlier showing is never offered as this one's.
    if (!ShowPhasePage(*WebBrowser1))
        WebBrowser1->Navigate2(QStringLiteral("about:blank"));
}

bool frmNewReview::WebBrowser1_BeforeNavigate2(const QString& url) {
    if (isCancelLink(url)) {
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                reject();
        });
        return false;
    }
    if (formQuery(url)) {
        if (m_pendingPhase || !isVisible())
            return true;
        const std::optional<qint16> phase = parsePhaseSubmission(url);
        if (!phase) {
            // The dialog stays for a proper choice, and the user learns why nothing was created.
            QTimer::singleShot(0, this, [this] {
                MsgBox(QStringLiteral("The chosen phase could not be read, so no review was created. "
                                      "Choose a phase and click \"Create review\" again."),
                       MsgButtons::Ok, MsgIcon::Exclamation, windowTitle());
            });
            return true;
        }
        // A typed date that could not be read never becomes a review's date unseen: the box now
        // shows the date it would use, and the user decides.
        const QString shown = formatReviewDate(tdbRevDate->date());
        if (const QString unread = tdbRevDate->takeUnreadText(); !unread.isEmpty()) {
            QTimer::singleShot(0, this, [this, unread, shown] { tellDateUnread(unread, shown); });
            return true;
        }
        m_pendingPhase = phase;
        QTimer::singleShot(0, this, [this] { accept(); });
        return true;
    }
    return false;
}

void frmNewReview::tellDateUnread(const QString& typed, const QString& shown) {
    MsgBox(QStringLiteral("The date \"%1\" could not be read, so no review was created. The date box reads "
                          "dates in the form \"Aug 20, 2024\"; it now shows %2. Correct the date if needed and "
                          "click \"Create review\" again.")
               .arg(typed, shown),
           MsgButtons::Ok, MsgIcon::Exclamation, windowTitle());
}

bool frmNewReview::createSubmittedReview(qint16 phaseId) {
    const QString dateText = formatReviewDate(tdbRevDate->date());
    if (!Globals::CreateReview(dateText, phaseId))
        return false;
    if (MainWindowCallbacks* mainWindow = services().mainWindow)
        mainWindow->HandleURL(QStringLiteral("#FSH"));
    frmRoadmap::instance().ShowRoadMap();
    m_submitted = true;
    return true;
}

void frmNewReview::reject() {
    if (Form_QueryUnload())
        QDialog::reject();
}

bool frmNewReview::Form_QueryUnload() {
    return newReviewMayClose(m_submitted, m_openedThroughAddReview);
}
