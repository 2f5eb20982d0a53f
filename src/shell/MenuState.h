// Which menu items of the main window are enabled, refreshed before every navigation.
#pragma once

namespace tova {

struct MenuState {
    bool save = false;             // Save Project, Save Project As
    bool printQuestions = false;   // Print Questions
    bool previewQuestions = false; // Print Preview (Questions)
    bool previewScreen = false;    // Print Preview (Open Screen)
    bool projectItems = false;     // the Project menu's four items
    bool goToItems = false;        // the seven Go To items

    static MenuState compute(bool projectLoaded, bool ie6OrLater, bool reviewComplete);
    // From the open project and the browser flag.
    static MenuState current();
};

// True when every question of the current review's phase is answered; false on any failure (no
// project, no current review, no questionnaire database).
bool currentReviewComplete();

} // namespace tova
