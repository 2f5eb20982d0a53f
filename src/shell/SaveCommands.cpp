#include "shell/SaveCommands.h"

#include "platform/Services.h"
#include "platform/SystemServices.h"
#include "platform/dialogs/FileDialogs.h"
#include "platform/dialogs/MessageBox.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"

#include <QDir>

namespace tova {
namespace {

// Long enough for any reference number, well inside the 255 bytes a file name may take.
constexpr int kLongestProposedName = 100;

// A reference number (or, without one, the project name) as one file name: characters that a
// file name cannot hold here or on the disks projects are carried on become "-", and no name
// starts with a dot (a hidden file) or is empty.
QString proposedFileName(const QString& referenceNum, const QString& projectName) {
    const QString source = referenceNum.trimmed().isEmpty() ? projectName : referenceNum;
    QString name;
    QString kept = source.left(kLongestProposedName);
    if (!kept.isEmpty() && kept.back().isHighSurrogate())
        kept.chop(1);
    for (const QChar c : kept) {
        const bool unfit = c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("/\\:*?\"<>|").contains(c);
        name += unfit ? QLatin1Char('-') : c;
    }
    while (!name.isEmpty() && (name.front() == QLatin1Char('.') || name.front().isSpace()))
        name.remove(0, 1);
    while (!name.isEmpty() && (name.back() == QLatin1Char('.') || name.back().isSpace()))
        name.chop(1);
    return (name.isEmpty() ? QStringLiteral("TOVA Project") : name) + QStringLiteral(".tova");
}

} // namespace

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
        request.initialFolder = SystemFolderHelpers::GetMyDocumentsFolder() + QStringLiteral("My TOVA Projects/");
        QDir().mkpath(request.initialFolder);
        request.fileName =
            request.initialFolder + proposedFileName(Globals::GetReferenceNum(),
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
