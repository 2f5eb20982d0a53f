// Where the dashboard element window puts its browser and its capture area for a window size: the
// browser fills the window less fixed margins, the capture area lies over the browser less more.
#pragma once

#include <QRect>
#include <QSize>

namespace Reports {

struct ElementLayout {
    QRect browser;        // in client coordinates
    QRect screenShotArea; // in client coordinates
};

// The layout for a window's outer size in pixels, starting from the previous one: a width or
// height that would be negative is not set, and that rectangle keeps its previous value there
// (the other sides are still set).
ElementLayout ElementLayoutFor(const QSize& outerPixels, const ElementLayout& previous);

} // namespace Reports
