// A page script's value, waited for: the engine answers scripts asynchronously.
#pragma once

#include <QString>
#include <QVariant>

#include <optional>

class QWebEnginePage;

namespace tova {

// Runs the script in the page's top window and waits for its value, at most timeoutMs, keeping the
// user interface alive; nothing when the wait ran out.
std::optional<QVariant> evaluateScript(QWebEnginePage& page, const QString& script, int timeoutMs);

} // namespace tova
