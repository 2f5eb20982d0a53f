// A rectangle of a window as the screen shows it.
#pragma once

#include <QImage>
#include <QRect>

class QWidget;

namespace ScreenShot {

// The window's pixels inside area (window coordinates), area-sized, at the display's resolution;
// parts of the area beyond the window come out transparent. A null image when the area is empty
// or does not touch the window.
QImage CaptureWindow(QWidget& window, const QRect& area);

} // namespace ScreenShot
