#include "shell/SaveCommands.h"

#include "platform/Services.h"
#include "platform/dialogs/FileDialogs.h"
#include "platform/dialogs/MessageBox.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"
#include "store/ProposedFiles.h"

#include <QDir>

namespace tova {

bool saveProject() {
    if (Globals::gProjectPath.isEmpty())
        return showSaveAsDialog();
    return Globals::SaveProject(Globals::gProjectPath);
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
        // The proposed folder is made when missing, so that the dialog opens there and a save
        // into it can succeed.
        request.initialFolder = Globals::ProjectsFolder();
        QDir().mkpath(request.initialFolder);
        request.fileName =
            request.initialFolder +
            Globals::ProposedProjectFileName(Globals::GetReferenceNum(),
                                             Globals::IsProjectLoaded() ? Globals::GetProjectName() : QString());
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
        // The user asked for the save: going on without it would leave the project unsaved.
        return saveProject();
    case MsgAnswer::No:
        return true;
    default:
        return false;
    }
}

} // namespace tova
