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
    Xml::XmlDocument copy = Xml::XmlDocument::create();
    // Without a questionnaire there is nothing to be complete about.
    if (!copy.loadXML(Globals::gDataDoc.xml()))
        return false;
    bool ok = false;
    const qint16 phase = Globals::GetCurrentPhase().trimmed().toShort(&ok);
    if (!ok)
        return false;
    const Xml::XmlDocument review = Globals::GetCurrentReviewDoc();
    if (review.isNull())
        return false;
    return Globals::MarkCategoryStatus(copy, phase, review);
}

} // namespace tova
