#include "platform/capture/ui/Clipboard.h"

#include "platform/capture/ui/ScreenShot.h"
#include "platform/dialogs/MessageBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>

namespace clipboard {

void CopyScreenToClipboard(QWidget* window, const QRect& area) {
    const QImage picture = window ? ScreenShot::CaptureWindow(*window, area) : QImage();
    if (picture.isNull()) {
        tova::MsgBox(QStringLiteral("Nothing was copied: the screen area is empty."), tova::MsgButtons::Ok,
                     tova::MsgIcon::Exclamation);
        return;
    }
    // A new clipboard content: every format the clipboard held before is gone.
    QGuiApplication::clipboard()->setImage(picture);
    tova::MsgBox(QStringLiteral("Screen Copied to Clipboard."), tova::MsgButtons::Ok, tova::MsgIcon::Information,
                 QStringLiteral("Success"));
}

} // namespace clipboard
