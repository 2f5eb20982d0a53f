#include "platform/ui/BrowserLayout.h"

#include <QWidget>

#include <algorithm>

namespace tova {

namespace {
constexpr int kRowPadding = 4;
}

void layoutBrowser(QWidget& window, QWidget& browser, QWidget* bottomRow, int widthMarginTwips, int heightMarginTwips) {
    const QSize outer = window.frameGeometry().size();
    const int width = std::min(outer.width() - twipsToPixels(widthMarginTwips), window.width());
    int height = outer.height() - twipsToPixels(heightMarginTwips);
    if (bottomRow) {
        const int rowHeight = bottomRow->sizeHint().height();
        height = std::min(height, window.height() - rowHeight - 2 * kRowPadding);
        if (height > 0)
            bottomRow->setGeometry(kRowPadding, height + kRowPadding, window.width() - 2 * kRowPadding, rowHeight);
    }
    if (width <= 0 || height <= 0)
        return;
    browser.setGeometry(0, 0, width, height);
}

} // namespace tova
