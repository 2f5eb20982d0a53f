#include "platform/TitleBarCover.h"

#include <algorithm>

namespace tova {

namespace {

qint64 area(const QRect& rect) {
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

// The parts of rect outside cut, as up to four rectangles apart from each other.
QList<QRect> outside(const QRect& rect, const QRect& cut) {
    const QRect common = rect.intersected(cut);
    if (common.isEmpty())
        return {rect};
    QList<QRect> parts;
    if (common.top() > rect.top())
        parts << QRect(rect.left(), rect.top(), rect.width(), common.top() - rect.top());
    if (common.bottom() < rect.bottom())
        parts << QRect(rect.left(), common.bottom() + 1, rect.width(), rect.bottom() - common.bottom());
    if (common.left() > rect.left())
        parts << QRect(rect.left(), common.top(), common.left() - rect.left(), common.height());
    if (common.right() < rect.right())
        parts << QRect(common.right() + 1, common.top(), rect.right() - common.right(), common.height());
    return parts;
}

} // namespace

TitleBarCover::TitleBarCover(const QList<QRect>& stack, int titleHeight, const QRect& unkept) {
    for (qsizetype i = 0; i < stack.size(); ++i) {
        const QRect& window = stack.at(i);
        if (window == unkept)
            continue;
        Bar bar;
        bar.uncovered = {QRect(window.topLeft(), QSize(window.width(), std::min(titleHeight, window.height())))};
        bar.area = area(bar.uncovered.first());
        for (qsizetype above = i + 1; above < stack.size(); ++above) {
            QList<QRect> left;
            for (const QRect& part : std::as_const(bar.uncovered))
                left << outside(part, stack.at(above));
            bar.uncovered = left;
        }
        for (const QRect& part : std::as_const(bar.uncovered))
            bar.uncoveredArea += area(part);
        if (bar.area > 0 && 2 * bar.uncoveredArea >= bar.area)
            m_inView << bar;
    }
}

bool TitleBarCover::leavesInView(const QRect& outer) const {
    return std::all_of(m_inView.cbegin(), m_inView.cend(), [&](const Bar& bar) {
        qint64 covered = 0;
        for (const QRect& part : bar.uncovered)
            covered += area(part.intersected(outer));
        return 2 * (bar.uncoveredArea - covered) >= bar.area;
    });
}

} // namespace tova
