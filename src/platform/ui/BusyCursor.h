// The busy cursor over every window of the program while work that the user waits for is under
// way (laying out and drawing a printout, loading the page to print, opening a project, building a
// trend screen); the cursor the user had comes back when the work ends, however it ends.
#pragma once

#include <QCursor>
#include <QGuiApplication>
#include <QList>

namespace tova {

class BusyCursor final {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The user's own cursor while a question or message waits for an answer in the middle of busy
// work; the busy cursor comes back with the answer.
class BusyCursorLifted final {
public:
    BusyCursorLifted() {
        while (const QCursor* cursor = QGuiApplication::overrideCursor()) {
            m_lifted.prepend(*cursor);
            QGuiApplication::restoreOverrideCursor();
        }
    }
    ~BusyCursorLifted() {
        for (const QCursor& cursor : m_lifted)
            QGuiApplication::setOverrideCursor(cursor);
    }
    BusyCursorLifted(const BusyCursorLifted&) = delete;
    BusyCursorLifted& operator=(const BusyCursorLifted&) = delete;

private:
    QList<QCursor> m_lifted;
};

} // namespace tova
