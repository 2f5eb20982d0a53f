#include "platform/ui/EscapeCloses.h"

#include <QDialog>
#include <QPointer>
#include <QShortcut>

namespace tova {

void closeOnEscapeInside(QWidget& browser, QDialog& window) {
    // Bound to the browser, not the window: a find bar beside it keeps Escape for itself.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &browser);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(escape, &QShortcut::activated, &window, [target = QPointer<QDialog>(&window)] {
        if (target && target->isVisible())
            target->reject();
    });
}

} // namespace tova
