// The file dialog service: open and save dialogs behind an interface so tests can answer them.
#pragma once

#include <QString>

#include <optional>

namespace tova {

struct FileDialogRequest {
    QString title;
    // In the "description|pattern" form, e.g. "(*.tova) TOVA Project Files|*.tova".
    QString filter;
    QString initialFolder;
    QString fileName;
    QString defaultExtension;
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The chosen file, or nothing when the user cancelled.
    virtual std::optional<QString> getOpenFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> getSaveFileName(const FileDialogRequest& request) = 0;
};

// "(*.tova) TOVA Project Files|*.tova" -> "(*.tova) TOVA Project Files (*.tova)" for a Qt dialog:
// the patterns in the trailing parentheses filter; a dialog that hides those details shows the
// description as it is.
QString toQtFilter(const QString& filter);

} // namespace tova
