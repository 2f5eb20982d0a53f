#include "shell/SaveCommands.h"

#include "platform/Services.h"
#include "platform/SystemServices.h"
#include "platform/dialogs/FileDialogs.h"
#include "platform/dialogs/MessageBox.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"

namespace tova {

void saveProject() {
    if (Globals::gProjectPath.isEmpty())
        showSaveAsDialog();
    else
        Globals::SaveProject(Globals::gProjectPath);
}

bool showSaveAsDialog() {
    FileDialogService* dialogs = services().fileDialogs;
    if (!dialogs)
        return false;
    FileDialogRequest request;
    request.title = QStringLiteral("Save TOVA Project As");
    request.filter = QStringLiteral("(*.tova) TOVA Project Files|*.tova");
    request.defaultExtension = QStringLiteral("tova");
    if (!Globals::gProjectPath.isEmpty()) {
        request.fileName = Globals::gProjectPath;
    } else {
        // The folder is only proposed, never created.
        request.initialFolder = SystemFolderHelpers::GetMyDocumentsFolder() + QStringLiteral("My TOVA Projects/");
        request.fileName = request.initialFolder + Globals::GetReferenceNum() + QStringLiteral(".tova");
    }
    const std::optional<QString> chosen = dialogs->getSaveFileName(request);
    // An empty name saves nothing, so it counts as a cancel; and a save that failed must not be
    // reported as done, or closing the program would drop the unsaved project.
    if (!chosen || chosen->isEmpty())
        return false;
    return Globals::SaveProject(*chosen);
}

bool askSaveContinue() {
    switch (MsgBox(QStringLiteral("Do you wish to Save your project before proceeding?"), MsgButtons::YesNoCancel,
                   MsgIcon::Information, QStringLiteral("Save Project?"))) {
    case MsgAnswer::Yes:
        saveProject();
        return true;
    case MsgAnswer::No:
        return true;
    default:
        return false;
    }
}

} // namespace tova
