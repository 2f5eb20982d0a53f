#include "platform/ui/EscapeCloses.h"

#include <QPointer>
#include <QShortcut>
#include <QWidget>

namespace tova {

void closeOnEscapeInside(QWidget& browser, QWidget& window) {
    // Bound to the browser, not the window: a find bar beside it keeps Escape for itself.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &browser);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(escape, &QShortcut::activated, &window, [target = QPointer<QWidget>(&window)] {
        if (target && target->isVisible())
            target->close();
    });
}

} // namespace tova
