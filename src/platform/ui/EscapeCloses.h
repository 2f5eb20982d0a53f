// Escape typed inside a window's page closes the window. The embedded browser keeps the keys its
// page receives, so the dialog's own Escape handling never sees them.
#pragma once

class QDialog;
class QWidget;

namespace tova {

// While the focus is in browser (or a widget inside it), Escape closes window through reject():
// the same way as its close box.
void closeOnEscapeInside(QWidget& browser, QDialog& window);

} // namespace tova
