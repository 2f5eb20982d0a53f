#include "platform/dialogs/MessageBox.h"

#include "platform/Services.h"

namespace tova {

MsgAnswer MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) {
    MessageBoxService* service = services().messageBox;
    if (!service) {
        // No service installed (a bare tool run): take the safe answer.
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok
                                         : (buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel);
    }
    return service->ask(text, buttons, icon, title.isEmpty() ? applicationTitle() : title);
}

QString unexpectedErrorText(int number, const QString& description, const QString& procedure, const QString& kind,
                            const QString& owner) {
    return QStringLiteral("Error %1 (%2) in procedure %3 of %4 %5")
        .arg(number)
        .arg(description, procedure, kind, owner);
}

} // namespace tova
