#include "platform/Wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QThread>

namespace tova {

bool waitWhile(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (condition()) {
        if (timer.elapsed() >= timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents();
        // Yield briefly: the browser works in other threads and processes.
        QThread::msleep(2);
    }
    return true;
}

void processEventsFor(int timeoutMs) {
    static_cast<void>(waitWhile([] { return true; }, timeoutMs));
}

bool waitForProcessEnd(QProcess& process, int timeoutMs) {
    if (waitWhile([&] { return process.state() != QProcess::NotRunning; }, timeoutMs))
        return true;
    process.kill();
    process.waitForFinished(2000);
    return false;
}

void doEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void deliverEventsQueuedBehindCaller() {
    QCoreApplication::sendPostedEvents();
}

} // namespace tova
