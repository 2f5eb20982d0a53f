#include "platform/WindowPlacement.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

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
        return offsetFromSameKind({centred}, outer, false);

    // Beside: each side of the origin, flush with either of its corners, kept inside the screen.
    const int w = outer.width();
    const int h = outer.height();
    return offsetFromSameKind(
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
        outer, true);
}

QRect WindowPlacement::offsetFromSameKind(const QList<QPoint>& wanted, const QSize& outer, bool beside) const {
    // One step is a title bar, so the title of the window underneath stays in view.
    const int step = std::max(frame.top(), kMinimumCascadeStep);
    auto standsOn = [&](const QRect& candidate) {
        return qint64(std::count_if(sameKind.cbegin(), sameKind.cend(), [&](const QRect& other) {
            return std::abs(other.x() - candidate.x()) < step && std::abs(other.y() - candidate.y()) < step;
        }));
    };
    // In order: the origin's buttons left free, no window of the kind stood on, the fewest steps
    // from the wanted place, as little of the origin covered as possible.
    using Cost = std::tuple<qint64, qint64, qint64, qint64>;
    QRect best;
    Cost bestCost;
    bool first = true;
    for (const QPoint& corner : wanted) {
        for (qint64 steps = 0; steps <= sameKind.size(); ++steps) {
            for (const int direction : {1, -1}) {
                const QPoint shift = QPoint(step, step) * int(steps) * direction;
                const QRect candidate(keptInside(corner + shift, outer, available), outer);
                const Cost cost{beside ? overlap(candidate, originButtons) : 0, standsOn(candidate), steps,
                                beside ? overlap(candidate, origin) : 0};
                if (first || cost < bestCost) {
                    first = false;
                    best = candidate;
                    bestCost = cost;
                }
            }
        }
    }
    return best;
}

QRect WindowPlacement::clientGeometry() const {
    return outerGeometry().marginsRemoved(frame);
}

} // namespace tova
