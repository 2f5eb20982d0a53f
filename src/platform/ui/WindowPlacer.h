// Every window the program opens is placed here, by the one rule of platform/WindowPlacement.h:
// at its design size where the screen's usable area allows, wholly inside that area, near the
// window it came from and hiding no more than half of a title bar of the program's other open
// windows, cascading from the newest of its own class where it must. Each time the window is
// shown it is placed anew, so a dialog opens where it opened the first time; once the window
// system has put its frame around it, a window placed with a guessed frame is placed again with
// the real one.
#pragma once

#include "platform/WindowPlacement.h"

#include <QSize>

class QWidget;

namespace tova {

// Whether a design size is the window's client area or its outer size (frame included).
enum class SizeOf { Client, Outer };

// Places window by the rule from now on, at this design size, each time it is shown. An invalid
// size stands for the size the window's own layout asks for.
void placeWindow(QWidget& window, const QSize& size, SizeOf kind,
                 WindowPlacement::Mode mode = WindowPlacement::Mode::Centred);
// Changes the design size of a window placed by the rule; a shown window is placed again.
void setDesignSize(QWidget& window, const QSize& size, SizeOf kind);
// The window a companion window came from, when it is not the active one at the time it is shown.
void setPlacementOrigin(QWidget& window, QWidget* origin);
// Tells windows placed beside this one on which of its edges its buttons are, so that they leave
// that side free where the screen has room.
void setButtonsEdge(QWidget& window, Qt::Edge edge);

} // namespace tova
