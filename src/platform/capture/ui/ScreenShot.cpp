#include "platform/capture/ui/ScreenShot.h"

#include <QPixmap>
#include <QWidget>

namespace ScreenShot {

QImage CaptureWindow(QWidget& window, const QRect& area) {
    // grab() renders the whole window for a rectangle with a negative size, so such an area is
    // refused here rather than silently widened.
    if (area.isEmpty() || !area.intersects(window.rect()))
        return QImage();
    return window.grab(area).toImage();
}

} // namespace ScreenShot
