// The message box service on QMessageBox.
#pragma once

#include "platform/dialogs/MessageBox.h"

namespace tova {

class QtMessageBox final : public MessageBoxService {
public:
    MsgAnswer ask(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) override;
};

} // namespace tova
