#include "review/ui/ReviewWindows.h"

#include "review/ui/frmDeleteReview.h"
#include "review/ui/frmLoadReview.h"
#include "review/ui/frmNewLoad.h"
#include "review/ui/frmNewProject.h"
#include "review/ui/frmNewReview.h"
#include "review/ui/frmRoadmap.h"
#include "review/ui/frmSurvey.h"
#include "shell/WindowRegistry.h"

#include <QCoreApplication>

namespace tova {

namespace {

// The questionnaire window is created on the first "CAT" command.
class LazySurveyWindow final : public SurveyWindowOps {
public:
    void LoadBottom() override { frmSurvey::instance().LoadBottom(); }
    void LoadTree(bool navigate) override { frmSurvey::instance().LoadTree(navigate); }
    void LoadQuestions(qint16 categoryId, qint16 phaseId, bool refresh) override {
        frmSurvey::instance().LoadQuestions(categoryId, phaseId, refresh);
    }
    void LoadCheckBoxes() override { frmSurvey::instance().LoadCheckBoxes(); }
    void HighlightTreeNode(const QString& key) override { frmSurvey::instance().HighlightTreeNode(key); }
    void ShowModal() override { frmSurvey::instance().ShowModal(); }
};

class ReviewDialogs final : public ReviewDialogOps {
public:
    void NewLoadDoModal(qint16 tab) override { frmNewLoad::instance().DoModal(tab); }
    void ViewDetails() override { frmNewProject::instance().ViewDetails(); }
    void AddReview() override { frmNewReview::instance().AddReview(); }
    void AskLoadReview(bool required) override { frmLoadReview::instance().AskLoadReview(required); }
    void ShowDeleteReview() override { frmDeleteReview::instance().ShowModal(); }
};

} // namespace

void installReviewWindows() {
    static LazySurveyWindow survey;
    static ReviewDialogs dialogs;
    windowRegistry().survey = &survey;
    windowRegistry().reviewDialogs = &dialogs;
    static bool cleanupConnected = false;
    if (!cleanupConnected && QCoreApplication::instance()) {
        cleanupConnected = true;
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [] { deleteReviewWindows(); });
    }
}

void deleteReviewWindows() {
    frmSurvey::destroyInstance();
    frmRoadmap::destroyInstance();
    frmNewReview::destroyInstance();
    frmNewProject::destroyInstance();
    frmNewLoad::destroyInstance();
    frmLoadReview::destroyInstance();
    frmDeleteReview::destroyInstance();
}

} // namespace tova
