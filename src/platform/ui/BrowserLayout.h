// Windows that hold one browser: their layout rules are given in twips of the window's outer
// size (frame and title included).
#pragma once

#include "platform/Twips.h"

class QWidget;

namespace tova {

// Gives the browser the window's outer size less the margins. A row of controls below the browser
// keeps its own height inside the window, so it never ends up hidden under the browser. A size
// that cannot be set (a window too small) is skipped.
void layoutBrowser(QWidget& window, QWidget& browser, QWidget* bottomRow, int widthMarginTwips, int heightMarginTwips);

} // namespace tova
