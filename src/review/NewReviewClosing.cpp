#include "review/NewReviewRules.h"

#include "platform/dialogs/MessageBox.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"

namespace tova::review {

bool newReviewMayClose(bool submitted, bool openedThroughAddReview) {
    if (submitted || openedThroughAddReview)
        return true;
    return ConfirmQuit();
}

bool ConfirmQuit() {
    const MsgAnswer answer = MsgBox(QStringLiteral("Stop creating new project?"), MsgButtons::YesNo,
                                    MsgIcon::Exclamation, QStringLiteral("Quit New Project..."));
    if (answer != MsgAnswer::Yes)
        return false;
    // A save asked for before closing that did not happen keeps the project, and the dialog, open.
    return !Globals::IsProjectLoaded() || Globals::CloseProject();
}

} // namespace tova::review
