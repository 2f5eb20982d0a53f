// Escape typed inside a window's page closes the window. The embedded browser keeps the keys its
// page receives, so the window's own Escape handling never sees them.
#pragma once

class QWidget;

namespace tova {

// While the focus is in browser (or a widget inside it), Escape asks window to close, exactly as
// its close box does (with whatever question that asks).
void closeOnEscapeInside(QWidget& browser, QWidget& window);

} // namespace tova
