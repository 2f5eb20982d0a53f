// The file dialog service on QFileDialog.
#pragma once

#include "platform/dialogs/FileDialogs.h"

namespace tova {

class QtFileDialogs final : public FileDialogService {
public:
    std::optional<QString> getOpenFileName(const FileDialogRequest& request) override;
    std::optional<QString> getSaveFileName(const FileDialogRequest& request) override;
};

} // namespace tova
