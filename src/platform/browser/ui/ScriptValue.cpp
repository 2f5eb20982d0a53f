#include "platform/browser/ui/ScriptValue.h"

#include "platform/Wait.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>

#include <memory>

namespace tova {

std::optional<QVariant> evaluateScript(QWebEnginePage& page, const QString& script, int timeoutMs) {
    struct Outcome {
        bool done = false;
        QVariant value;
    };
    auto outcome = std::make_shared<Outcome>();
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    page.runJavaScript(script, QWebEngineScript::MainWorld, [outcome, waiting](const QVariant& value) {
        outcome->done = true;
        outcome->value = value;
        if (waiting)
            waiting->quit();
    });
    if (!outcome->done) {
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        deliverEventsQueuedBehindCaller();
        if (!outcome->done)
            loop.exec();
    }
    if (!outcome->done)
        return std::nullopt;
    return outcome->value;
}

} // namespace tova
