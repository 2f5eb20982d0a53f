// The program's windows as the X server shows them, frames and stacking included, which Qt's own
// view of its windows does not tell.
#pragma once

#include <QList>
#include <QRect>

class QWidget;

namespace tova::test {

struct ServerFrame {
    QWidget* window = nullptr;
    QRect frame;      // the frame around the window (the window itself when nothing frames it)
    QRect client;     // the window itself
    int titleBar = 0; // the frame's height above the window's client area
};

// The program's shown windows with a title bar, the lowest in the server's stack first; empty off X.
QList<ServerFrame> stackedServerFrames();

// Whether a window manager runs on the X server.
bool windowManagerRuns();

// Asks the window manager to activate the window as a user's choice does (the way a pager asks):
// a window opened from a menu chosen by a user comes on top, but one opened by a menu item that a
// test triggers carries no user input, and the window manager may keep it below the focused one.
void activateAsChosen(QWidget& window);

} // namespace tova::test
