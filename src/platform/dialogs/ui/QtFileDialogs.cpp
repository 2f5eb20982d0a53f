#include "platform/dialogs/ui/QtFileDialogs.h"

#include "platform/dialogs/ui/FileListsByName.h"

#include <QApplication>
#include <QFileDialog>

namespace tova {
namespace {

std::optional<QString> run(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    const FileListsByName byName;
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    // Only this dialog can be made to list files without reading them.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.filter.isEmpty()) {
        // The dialog filters by the patterns at the end of each entry and shows only the text
        // before them, which is the description exactly as the request gives it.
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setNameFilter(toQtFilter(request.filter));
    }
    if (!request.defaultExtension.isEmpty())
        dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.initialFolder.isEmpty())
        dialog.setDirectory(request.initialFolder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace

std::optional<QString> QtFileDialogs::getOpenFileName(const FileDialogRequest& request) {
    return run(request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtFileDialogs::getSaveFileName(const FileDialogRequest& request) {
    return run(request, QFileDialog::AcceptSave);
}

} // namespace tova
