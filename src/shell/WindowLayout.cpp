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

QSize WindowLayout::startSize(const QSize& available) {
    // The fishbone diagram is 1060 pixels wide between margins of 20; a vertical scroll bar and the
    // browser's margin of 100 twips come on top.
    constexpr QSize kPreferred(1140, 800);
    // Room for the window's frame and title bar around the size asked for.
    constexpr QSize kFrameAllowance(16, 48);
    if (available.isEmpty())
        return kPreferred;
    return kPreferred.boundedTo(available - kFrameAllowance);
}

} // namespace tova
