// The busy cursor over every window of the program while work that the user waits for is under
// way (laying out and drawing a printout, loading the page to print); the cursor the user had comes
// back when the work ends, however it ends.
#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace tova {

class BusyCursor final {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace tova
