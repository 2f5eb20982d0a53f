#include "platform/WindowPlacement.h"

#include "platform/TitleBarCover.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace tova {

namespace {

qint64 overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

// The top-left corner that keeps a window of this size inside the area, as near the wanted one as
// possible.
QPoint keptInside(const QPoint& wanted, const QSize& size, const QRect& area) {
    return {std::clamp(wanted.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())),
            std::clamp(wanted.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height()))};
}

} // namespace

QRect WindowPlacement::outerGeometry() const {
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    QSize outer = sizeIsOuter ? size : size + frameSize;
    if (!available.isEmpty())
        outer = outer.boundedTo(available.size());
    // A client area of at least one pixel.
    outer = outer.expandedTo(frameSize + QSize(1, 1));
    if (available.isEmpty())
        return QRect(origin.isEmpty() ? QPoint() : origin.center() - QPoint(outer.width() / 2, outer.height() / 2),
                     outer);

    const QRect anchor = origin.isEmpty() ? available : origin;
    const QPoint centred = anchor.center() - QPoint((outer.width() - 1) / 2, (outer.height() - 1) / 2);
    if (mode == Mode::Centred || origin.isEmpty())
        return apartFromOpen(bestOf({centred}, outer, false));

    // Beside: each side of the origin, flush with either of its corners, kept inside the screen.
    const int w = outer.width();
    const int h = outer.height();
    return apartFromOpen(bestOf(
        {
            QPoint(origin.right() + 1, origin.top()),
            QPoint(origin.right() + 1, origin.bottom() + 1 - h),
            QPoint(origin.left() - w, origin.top()),
            QPoint(origin.left() - w, origin.bottom() + 1 - h),
            QPoint(origin.left(), origin.bottom() + 1),
            QPoint(origin.right() + 1 - w, origin.bottom() + 1),
            QPoint(origin.left(), origin.top() - h),
            QPoint(origin.right() + 1 - w, origin.top() - h),
        },
        outer, true));
}

QRect WindowPlacement::bestOf(const QList<QPoint>& wanted, const QSize& outer, bool beside) const {
    // In order: the origin's buttons left free, as little of the origin covered as possible.
    using Cost = std::pair<qint64, qint64>;
    QRect best;
    Cost bestCost;
    for (const QPoint& corner : wanted) {
        const QRect candidate(keptInside(corner, outer, available), outer);
        const Cost cost{beside ? overlap(candidate, originButtons) : 0, beside ? overlap(candidate, origin) : 0};
        if (best.isNull() || cost < bestCost) {
            best = candidate;
            bestCost = cost;
        }
    }
    return best;
}

int WindowPlacement::titleBarHeight() const {
    return std::max(frame.top(), kMinimumTitleBar);
}

QRect WindowPlacement::apartFromOpen(const QRect& own) const {
    if (open.isEmpty())
        return own;
    const int title = titleBarHeight();
    // A cascade goes on a title bar below the newest window of the kind; a window that starts one
    // starts it at the top, since each window leaves room only below its title bar.
    const bool goesOn = !lastOfKind.isEmpty();
    const QPoint from = goesOn ? lastOfKind.topLeft() : own.topLeft();
    const int firstRow = goesOn ? from.y() + title : available.top();
    const bool sparesButtons = mode == Mode::Beside && !originButtons.isEmpty();
    const qint64 ownOnButtons = overlap(own, originButtons);

    for (qsizetype givenUp = 0; givenUp < open.size(); ++givenUp) {
        const QList<QRect> kept = open.mid(givenUp);
        const TitleBarCover cover(kept, title);
        if (cover.leavesInView(own))
            return own;
        const QList<QPoint> places = placesInOrder(own.size(), kept, from, firstRow);
        // First a place that starts above the origin's buttons and leaves them as free as the own
        // place does. Such a place may hide the origin's title bar, since the buttons are what the
        // origin is used by. A place that spares them by lying below them is not sought: the
        // cascade grows down, and the room it needs would go to that one window.
        if (sparesButtons) {
            const TitleBarCover originAside(kept, title, origin);
            const auto spares = [&](const QRect& candidate) {
                return candidate.top() <= originButtons.top() && overlap(candidate, originButtons) <= ownOnButtons &&
                       originAside.leavesInView(candidate);
            };
            if (spares(own))
                return own;
            for (const QPoint& corner : places)
                if (spares(QRect(corner, own.size())))
                    return QRect(corner, own.size());
        }
        for (const QPoint& corner : places)
            if (cover.leavesInView(QRect(corner, own.size())))
                return QRect(corner, own.size());
    }
    return own;
}

QList<QPoint> WindowPlacement::placesInOrder(const QSize& outer, const QList<QRect>& windows, const QPoint& from,
                                             int firstRow) const {
    const int title = titleBarHeight();
    const int maxX = std::max(available.left(), available.right() + 1 - outer.width());
    const int maxY = std::max(available.top(), available.bottom() + 1 - outer.height());
    // A grid fine enough to find room between windows, and the edges where a window starts to hide
    // a title bar or stops hiding it.
    QList<int> rows{maxY, firstRow};
    QList<int> columns{maxX};
    for (int y = available.top(); y <= maxY; y += kPlacesApart)
        rows << y;
    for (int x = available.left(); x <= maxX; x += kPlacesApart)
        columns << x;
    for (const QRect& window : windows) {
        rows << window.top() + title;
        columns << window.left() + (window.width() + 1) / 2 << window.right() + 1 - window.width() / 2 - outer.width()
                << window.right() + 1 << window.left() - outer.width();
    }
    const auto keepWithin = [](QList<int>& values, int low, int high) {
        values.erase(std::remove_if(values.begin(), values.end(), [&](int v) { return v < low || v > high; }),
                     values.end());
        std::sort(values.begin(), values.end());
        values.erase(std::unique(values.begin(), values.end()), values.end());
    };
    keepWithin(rows, available.top(), maxY);
    keepWithin(columns, available.left(), maxX);
    // Down from the cascade's next row first; where the screen has no room below, from the top.
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return (a < firstRow) < (b < firstRow); });

    QList<QPoint> places;
    places.reserve(rows.size() * columns.size());
    for (const int y : rows) {
        // A title bar further right for each title bar further down.
        const int diagonal = std::clamp(from.x() + (y - from.y()), available.left(), maxX);
        QList<int> nearest = columns;
        std::stable_sort(nearest.begin(), nearest.end(),
                         [&](int a, int b) { return std::abs(a - diagonal) < std::abs(b - diagonal); });
        for (const int x : std::as_const(nearest))
            places << QPoint(x, y);
    }
    return places;
}

QRect WindowPlacement::clientGeometry() const {
    return outerGeometry().marginsRemoved(frame);
}

} // namespace tova
