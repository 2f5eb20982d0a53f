#include "platform/AwaitAnswer.h"

#include "platform/Wait.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace tova {

std::optional<QVariant> awaitAnswer(const std::function<void(const Answer&)>& ask, int timeoutMs) {
    struct Outcome {
        bool done = false;
        QVariant value;
    };
    // Shared with the answer, which may come after this wait has given up.
    auto outcome = std::make_shared<Outcome>();
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    ask([outcome, waiting](const QVariant& value) {
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
