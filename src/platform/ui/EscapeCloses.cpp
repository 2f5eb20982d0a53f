#include "platform/ui/EscapeCloses.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

namespace tova {

void closeOnEscapeInside(QWidget& browser, QWidget& window) {
    // Bound to the browser, not the window: a find bar beside it keeps Escape for itself.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &browser);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(escape, &QShortcut::activated, &window, [escape, target = QPointer<QWidget>(&window)] {
        // A list the page has dropped down (or a menu over it) holds the keys while it is open: the
        // Escape is its own, to close it, and the window stays. The shortcut steps aside meanwhile,
        // or the key would come straight back to it.
        if (QPointer<QWidget> popup = QApplication::activePopupWidget()) {
            escape->setEnabled(false);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(popup, &press);
            // The list may be gone already, closed by the key.
            if (popup) {
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
                QCoreApplication::sendEvent(popup, &release);
            }
            escape->setEnabled(true);
            return;
        }
        if (target && target->isVisible())
            target->close();
    });
}

} // namespace tova
