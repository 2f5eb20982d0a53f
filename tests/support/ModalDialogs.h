// Driving a modal dialog from a test: the action runs from the dialog's own event loop once it is up.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace tova::test {

// Acts on the modal dialog of type Dialog once it is up and ready() holds; a dialog that stays up
// past the bound is closed, so the test fails instead of hanging.
template <typename Dialog>
void whenModal(const std::function<bool(Dialog&)>& ready, const std::function<void(Dialog&)>& action) {
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(25);
    QObject::connect(timer, &QTimer::timeout, [=] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        const bool late = clock->elapsed() > 30000;
        if (!late && (!dialog || !ready(*dialog)))
            return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (late) {
            ADD_FAILURE() << "dialog not ready in time";
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            return;
        }
        action(*dialog);
    });
    timer->start();
}

// The same as soon as the dialog is up.
template <typename Dialog> void whenModal(const std::function<void(Dialog&)>& action) {
    whenModal<Dialog>([](Dialog&) { return true; }, action);
}

} // namespace tova::test
