// The windows the main window opens in other subsystems, behind small interfaces so the page
// command dispatcher can be tested with fakes. Start-up installs the real windows; an operation
// whose window is not installed tells the user that the screen is not available.
#pragma once

#include <QString>

namespace tova {

// The questionnaire window's operations, in the order the "CAT" command calls them.
class SurveyWindowOps {
public:
    virtual ~SurveyWindowOps() = default;
    virtual void LoadBottom() = 0;
    virtual void LoadTree(bool navigate) = 0;
    virtual void LoadQuestions(qint16 categoryId, qint16 phaseId, bool refresh) = 0;
    virtual void LoadCheckBoxes() = 0;
    virtual void HighlightTreeNode(const QString& key) = 0;
    // Shows the window modally; returns when it has unloaded.
    virtual void ShowModal() = 0;
};

// The project and review dialogs.
class ReviewDialogOps {
public:
    virtual ~ReviewDialogOps() = default;
    // The start dialog on tab 0 ("New") or 1 ("Existing").
    virtual void NewLoadDoModal(qint16 tab) = 0;
    virtual void ViewDetails() = 0;
    virtual void AddReview() = 0;
    virtual void AskLoadReview(bool required) = 0;
    virtual void ShowDeleteReview() = 0;
};

struct WindowRegistry {
    SurveyWindowOps* survey = nullptr;
    ReviewDialogOps* reviewDialogs = nullptr;
};

WindowRegistry& windowRegistry();

// The message shown when a screen's window is not part of this build.
void showNotAvailable(const QString& screen);

} // namespace tova
