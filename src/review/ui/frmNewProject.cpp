#include "review/ui/frmNewProject.h"

#include "platform/AppFolder.h"
#include "platform/FormQuery.h"
#include "platform/PageServices.h"
#include "platform/Wait.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/ui/EscapeCloses.h"
#include "platform/ui/WindowPlacer.h"
#include "review/PageWaits.h"
#include "review/ui/frmNewReview.h"
#include "store/ProjectDocument.h"

#include <QTimer>
#include <QVBoxLayout>

using namespace tova;
using namespace tova::review;

frmNewProject::frmNewProject(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("New TOVI Project"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    WebBrowser1 = new WebEngineBrowser(QStringLiteral("WebBrowser1"), this);
    layout->addWidget(WebBrowser1);
    WebBrowser1->setBeforeNavigate([this](const QString& url) { return WebBrowser1_BeforeNavigate2(url); });
    placeWindow(*this, QSize(640, 520), SizeOf::Client);
    tova::closeOnEscapeInside(*WebBrowser1, *this);
}

void frmNewProject::navigateToFormPage() {
    markDocumentStale(*WebBrowser1, QString());
    WebBrowser1->Navigate2(Globals::PathToURL(appPath(QStringLiteral("NewProj/Proj.htm"))));
}

void frmNewProject::NewProject() {
    m_submitted.reset();
    m_filledWith.reset();
    // The dialog comes up at once; the page finishes loading while it is shown.
    navigateToFormPage();
    showAndHandle();
}

void frmNewProject::ViewDetails() {
    m_submitted.reset();
    m_filledWith.reset();
    navigateToFormPage();
    // A form not filled with the stored texts would replace all six with blanks on OK: when the
    // page did not come up in time, or a field could not be filled, the form is not offered.
    bool filled = waitForFreshDocument(*WebBrowser1, QString(), kPageWaitMs);
    const QStringList& fields = projectFieldNames();
    const ProjectFields stored{Globals::GetReferenceNum(), Globals::GetProjectName(), Globals::GetSubProjectName(),
                               Globals::GetLocation(),     Globals::GetOwner(),       Globals::GetProjectManager()};
    for (int i = 0; filled && i < fields.size(); ++i)
        filled = WebBrowser1->ExecScript(fieldFillScript(fields.at(i), stored[static_cast<size_t>(i)]));
    if (!filled) {
        MsgBox(QStringLiteral("The project details form could not be loaded. The project is unchanged."),
               MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Change Project Details"));
        return;
    }
    m_filledWith = stored;
    showAndHandle();
}

void frmNewProject::showAndHandle() {
    exec();
    if (!m_submitted)
        return;
    const ProjectFields v = m_filledWith ? keepUneditedTexts(*m_submitted, *m_filledWith) : *m_submitted;
    m_submitted.reset();
    m_filledWith.reset();
    // Whether a submission creates a project or changes one is decided now, not by how the dialog
    // was opened.
    if (!Globals::IsProjectLoaded()) {
        Globals::CreateProject(v[0], v[1], v[2], v[3], v[4], v[5]);
        frmNewReview::instance().ShowDirect();
    } else {
        Globals::SetProjectDetails(v[0], v[1], v[2], v[3], v[4], v[5]);
    }
}

bool frmNewProject::WebBrowser1_BeforeNavigate2(const QString& url) {
    if (isCancelLink(url)) {
        QTimer::singleShot(0, this, [this] { reject(); });
        return false;
    }
    if (formQuery(url)) {
        if (!m_submitted) {
            m_submitted = parseProjectSubmission(url);
            // The dialog closes; the submission is handled once it has.
            QTimer::singleShot(0, this, [this] { accept(); });
        }
        return true;
    }
    return false;
}
