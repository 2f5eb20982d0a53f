// How much of the title bars of a stack of windows stays in view when one more window opens on top.
#pragma once

#include <QList>
#include <QRect>

namespace tova {

class TitleBarCover {
public:
    // stack: the windows' outer geometries, the lowest first; a title bar is the top titleHeight
    // pixels of a window. The title bar of unkept (a window of the stack) need not stay in view.
    TitleBarCover(const QList<QRect>& stack, int titleHeight, const QRect& unkept = QRect());

    // Whether a window opened on top with this outer geometry leaves at least half of every title
    // bar in view that has at least half in view now.
    bool leavesInView(const QRect& outer) const;

private:
    struct Bar {
        qint64 area = 0;
        // The parts of the bar that no window above it covers, apart from each other.
        QList<QRect> uncovered;
        qint64 uncoveredArea = 0;
    };
    QList<Bar> m_inView;
};

} // namespace tova
