#include "shell/MenuState.h"

#include "shell/ShellGlobals.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"
#include "store/Scoring.h"

namespace tova {

MenuState MenuState::compute(bool projectLoaded, bool ie6OrLater, bool reviewComplete) {
    MenuState state;
    state.save = projectLoaded;
    state.printQuestions = projectLoaded;
    state.previewQuestions = ie6OrLater && projectLoaded;
    state.previewScreen = ie6OrLater;
    state.projectItems = projectLoaded;
    state.goToItems = reviewComplete;
    return state;
}

MenuState MenuState::current() {
    const bool loaded = Globals::IsProjectLoaded();
    return compute(loaded, Globals::gIE6OrLater, currentReviewComplete());
}

bool currentReviewComplete() {
    if (!Globals::IsProjectLoaded() || Globals::gCurrentReview.isNull() || Globals::gDataDoc.isNull())
        return false;
    bool ok = false;
    const qint16 phase = Globals::GetCurrentPhase().trimmed().toShort(&ok);
    // Judged on the questionnaire itself: marks on a copy would be thrown away unread.
    return ok && Globals::IsReviewComplete(phase, Globals::gCurrentReview);
}

} // namespace tova
