#include "platform/ui/WindowTeardown.h"

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace tova {

void deleteAllWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows.append(window);
    // A window owned by another one may already have gone with its owner.
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
    // Pages and views that their windows handed to deleteLater on the way.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace tova
