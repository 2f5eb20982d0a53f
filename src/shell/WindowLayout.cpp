#include "shell/WindowLayout.h"

namespace tova {

std::optional<WindowLayout> WindowLayout::forOuterSize(const QSize& outerPixels) {
    const int width = outerPixels.width() * kTwipsPerPixel;
    const int height = outerPixels.height() * kTwipsPerPixel;
    const int browserWidth = width - 100;
    const int browserHeight = height - 710;
    const int areaWidth = browserWidth - 470;
    const int areaHeight = browserHeight - 550;
    if (browserWidth <= 0 || browserHeight <= 0)
        return std::nullopt;
    WindowLayout layout;
    layout.browser = QRect(0, 0, browserWidth / kTwipsPerPixel, browserHeight / kTwipsPerPixel);
    // A window too small for the capture area still gets its browser; the area is then empty.
    if (areaWidth > 0 && areaHeight > 0)
        layout.screenShotArea = QRect(layout.browser.left() + 210 / kTwipsPerPixel, layout.browser.top(),
                                      areaWidth / kTwipsPerPixel, areaHeight / kTwipsPerPixel);
    return layout;
}

} // namespace tova
