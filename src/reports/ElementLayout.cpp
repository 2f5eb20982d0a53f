#include "reports/ElementLayout.h"

#include "platform/Twips.h"

#include <QtMath>

namespace Reports {

namespace {

using tova::kTwipsPerPixel;
// Margins in twips.
constexpr int kBrowserWidthMargin = 50;
constexpr int kBrowserHeightMargin = 400;
constexpr int kAreaWidthMargin = 50;
constexpr int kAreaHeightMargin = 550;

int toPixels(int twips) {
    return qRound(double(twips) / kTwipsPerPixel);
}

} // namespace

ElementLayout ElementLayoutFor(const QSize& outerPixels, const ElementLayout& previous) {
    ElementLayout layout = previous;
    // Computed in twips, as the margins are, in the order browser width, browser height, area
    // width, area top, area left, area height; each side reads what the sides before it left.
    const int browserWidth = outerPixels.width() * kTwipsPerPixel - kBrowserWidthMargin;
    if (browserWidth >= 0)
        layout.browser.setWidth(toPixels(browserWidth));
    const int browserHeight = outerPixels.height() * kTwipsPerPixel - kBrowserHeightMargin;
    if (browserHeight >= 0)
        layout.browser.setHeight(toPixels(browserHeight));
    const int areaWidth = layout.browser.width() * kTwipsPerPixel - kAreaWidthMargin;
    if (areaWidth >= 0)
        layout.screenShotArea.setWidth(toPixels(areaWidth));
    layout.screenShotArea.moveTopLeft(layout.browser.topLeft());
    const int areaHeight = layout.browser.height() * kTwipsPerPixel - kAreaHeightMargin;
    if (areaHeight >= 0)
        layout.screenShotArea.setHeight(toPixels(areaHeight));
    return layout;
}

} // namespace Reports
