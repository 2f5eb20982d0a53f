#include "shell/WindowRegistry.h"

#include "platform/dialogs/MessageBox.h"

namespace tova {

WindowRegistry& windowRegistry() {
    static WindowRegistry registry;
    return registry;
}

void showNotAvailable(const QString& screen) {
    MsgBox(QStringLiteral("%1 is not available in this version of TOVA.").arg(screen), MsgButtons::Ok,
           MsgIcon::Information);
}

} // namespace tova
