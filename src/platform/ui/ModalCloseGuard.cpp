#include "platform/ui/ModalCloseGuard.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>

namespace tova {
namespace {

// Whether below lies on the chain of windows that above was opened for.
bool isBelow(const QWindow& below, const QWindow& above) {
    for (const QWindow* window = above.transientParent(); window; window = window->transientParent())
        if (window == &below)
            return true;
    return false;
}

} // namespace

ModalCloseGuard::ModalCloseGuard() {
    QCoreApplication::instance()->installEventFilter(this);
}

ModalCloseGuard::~ModalCloseGuard() {
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

bool ModalCloseGuard::closeAllowed(const QWindow& window) {
    const QWindow* modal = QGuiApplication::modalWindow();
    if (!modal || modal == &window)
        return true;
    // A window-modal question holds only the windows it was opened for; an application-modal one
    // holds every window except those opened above it.
    if (modal->modality() == Qt::WindowModal)
        return !isBelow(window, *modal);
    return isBelow(*modal, window);
}

bool ModalCloseGuard::eventFilter(QObject* watched, QEvent* event) {
    // Only requests from the window system: the program's own closes (Escape, page links, the end of
    // the program) are decided by the windows themselves.
    if (event->type() != QEvent::Close || !event->spontaneous())
        return false;
    const auto* window = qobject_cast<QWindow*>(watched);
    if (!window || closeAllowed(*window))
        return false;
    event->ignore();
    return true;
}

} // namespace tova
