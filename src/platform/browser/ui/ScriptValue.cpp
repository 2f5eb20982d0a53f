#include "platform/browser/ui/ScriptValue.h"

#include "platform/AwaitAnswer.h"

#include <QWebEnginePage>
#include <QWebEngineScript>

namespace tova {

std::optional<QVariant> evaluateScript(QWebEnginePage& page, const QString& script, int timeoutMs) {
    return awaitAnswer(
        [&page, &script](const Answer& answer) { page.runJavaScript(script, QWebEngineScript::MainWorld, answer); },
        timeoutMs);
}

} // namespace tova
