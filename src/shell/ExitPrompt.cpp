#include "shell/ExitPrompt.h"

#include "platform/dialogs/MessageBox.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"

namespace tova {

bool confirmExit() {
    if (Globals::IsProjectLoaded() && !Globals::gProjectSaved) {
        switch (MsgBox(QStringLiteral("Do you wish to save your Project before exiting?"), MsgButtons::YesNoCancel,
                       MsgIcon::Question, QStringLiteral("Exiting..."))) {
        case MsgAnswer::Yes:
            return Globals::SaveProject(Globals::gProjectPath);
        case MsgAnswer::No:
            return true;
        default:
            return false;
        }
    }
    return MsgBox(QStringLiteral("Exit TOVA now?"), MsgButtons::YesNo, MsgIcon::Question) == MsgAnswer::Yes;
}

} // namespace tova
