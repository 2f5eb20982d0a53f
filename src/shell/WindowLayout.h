// Where the main window puts its browser and its capture rectangle for a window size. Sizes follow
// the window's outer size in twips (15 to a pixel), less fixed margins.
#pragma once

#include "platform/Twips.h"

#include <QRect>
#include <QSize>

#include <optional>

namespace tova {

struct WindowLayout {
    QRect browser;        // in client coordinates
    QRect screenShotArea; // in client coordinates

    // The layout for a window's outer size in pixels; nothing when the window is too small for a
    // browser.
    static std::optional<WindowLayout> forOuterSize(const QSize& outerPixels);

    // The main window's size when the program starts: wide enough for the fishbone screen without
    // a horizontal scroll bar, as far as the screen's free area (available) allows.
    static QSize startSize(const QSize& available);
};

} // namespace tova
