// Where windows open: the start-geometry rule against small screens, panels, parents near an edge,
// a second showing and the buttons of the window a companion window comes from.
#include "platform/WindowPlacement.h"

#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

using namespace tova;

namespace {

using Mode = WindowPlacement::Mode;

// A frame of 4 pixels with a title bar of 24.
const QMargins kFrame(4, 28, 4, 4);

struct PlacementCase {
    const char* name;
    WindowPlacement placement;
    QRect outer;
};

WindowPlacement dialog(const QRect& available, const QSize& client, const QRect& origin,
                       const QMargins& frame = kFrame) {
    WindowPlacement placement;
    placement.available = available;
    placement.frame = frame;
    placement.size = client;
    placement.origin = origin;
    return placement;
}

WindowPlacement companion(const QRect& available, const QSize& size, bool sizeIsOuter, const QRect& origin,
                          const QRect& originButtons) {
    WindowPlacement placement = dialog(available, size, origin);
    placement.sizeIsOuter = sizeIsOuter;
    placement.originButtons = originButtons;
    placement.mode = Mode::Beside;
    return placement;
}

qint64 area(const QRect& rect) {
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

std::string text(const QRect& rect) {
    return QStringLiteral("(%1, %2) %3 x %4")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height())
        .toStdString();
}

} // namespace

TEST(WindowPlacement, EveryWindowOpensWhollyInsideTheUsableArea) {
    const QRect wide(0, 0, 1600, 1000);
    const QRect roadMap(390, 190, 828, 652);
    const PlacementCase cases[] = {
        // 1280 x 720 at scale 1.25: the questionnaire keeps its width and takes the usable height.
        {"questionnaire, screen lower than the window",
         dialog(QRect(0, 0, 1024, 576), QSize(960, 680), QRect(0, 0, 1024, 576)), QRect(28, 0, 968, 576)},
        // 1366 x 768 at scale 1.25.
        {"questionnaire, 1093 x 614", dialog(QRect(0, 0, 1093, 614), QSize(960, 680), QRect(0, 0, 1093, 614)),
         QRect(63, 0, 968, 614)},
        {"window wider and higher than the screen", dialog(QRect(0, 0, 640, 480), QSize(960, 680), QRect()),
         QRect(0, 0, 640, 480)},
        {"acronyms above a panel at the bottom",
         dialog(QRect(0, 0, 1280, 680), QSize(788, 591), QRect(0, 0, 1280, 680)), QRect(242, 28, 796, 623)},
        {"element window below a panel at the top", dialog(QRect(0, 40, 1280, 680), QSize(792, 560), QRect()),
         QRect(240, 84, 800, 592)},
        {"questionnaire on a second screen",
         dialog(QRect(1600, 0, 1024, 576), QSize(960, 680), QRect(1600, 0, 1024, 576)), QRect(1628, 0, 968, 576)},
        {"parent near the bottom right corner", dialog(wide, QSize(600, 520), QRect(1200, 700, 400, 300)),
         QRect(992, 448, 608, 552)},
        {"parent partly off the left edge", dialog(wide, QSize(600, 520), QRect(-300, 100, 400, 300)),
         QRect(0, 0, 608, 552)},
        // Shown again: its own frame is known now and is the one guessed from its parent before.
        {"new review, first showing", dialog(wide, QSize(600, 520), QRect(230, 100, 1148, 832)),
         QRect(500, 240, 608, 552)},
        {"new review, second showing", dialog(wide, QSize(600, 520), QRect(230, 100, 1148, 832)),
         QRect(500, 240, 608, 552)},
        {"page in a new window beside a window with room",
         companion(wide, QSize(800, 600), false, QRect(0, 0, 700, 500), QRect()), QRect(700, 0, 808, 632)},
        // Road map centred on the screen, its buttons in its lower third: the page opens above them.
        {"page from the road map", companion(wide, QSize(800, 600), false, roadMap, QRect(390, 626, 828, 216)),
         QRect(390, 0, 808, 632)},
        // The main window fills the screen, its links at the top: as far from them as the screen allows.
        {"instructions over a full-screen main window",
         companion(QRect(0, 0, 1093, 614), QSize(594, 500), true, QRect(0, 0, 1093, 614), QRect(0, 0, 1093, 204)),
         QRect(499, 114, 594, 500)},
        {"instructions taller than the screen",
         companion(QRect(0, 0, 1024, 576), QSize(643, 643), true, QRect(0, 0, 1024, 576), QRect(0, 0, 1024, 192)),
         QRect(381, 0, 643, 576)},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QRect outer = c.placement.outerGeometry();
        EXPECT_EQ(text(outer), text(c.outer));
        EXPECT_TRUE(c.placement.available.contains(outer));
        EXPECT_EQ(c.placement.clientGeometry(), outer.marginsRemoved(c.placement.frame));
    }
}

TEST(WindowPlacement, OuterSizesIncludeTheFrameAndClientSizesDoNot) {
    WindowPlacement placement = companion(QRect(0, 0, 1600, 1000), QSize(594, 500), true, QRect(), QRect());
    EXPECT_EQ(placement.outerGeometry().size(), QSize(594, 500));
    EXPECT_EQ(placement.clientGeometry().size(), QSize(586, 468));
    placement.sizeIsOuter = false;
    EXPECT_EQ(placement.outerGeometry().size(), QSize(602, 532));
    EXPECT_EQ(placement.clientGeometry().size(), QSize(594, 500));
}

// The share of each window's title bar that no window above it covers, counted pixel by pixel;
// the stack lowest first.
QList<double> titleBarsInView(const QList<QRect>& stack) {
    QList<double> shares;
    for (qsizetype i = 0; i < stack.size(); ++i) {
        const QRect bar(stack.at(i).topLeft(), QSize(stack.at(i).width(), kFrame.top()));
        qint64 inView = 0;
        for (int y = bar.top(); y <= bar.bottom(); ++y)
            for (int x = bar.left(); x <= bar.right(); ++x)
                inView += std::none_of(stack.cbegin() + i + 1, stack.cend(),
                                       [&](const QRect& above) { return above.contains(x, y); });
        shares << double(inView) / double(area(bar));
    }
    return shares;
}

TEST(WindowPlacement, NoNewWindowHidesMoreThanHalfOfATitleBar) {
    const QRect wide(0, 0, 1600, 1000);
    // The main window at its start size, centred, its links along the top.
    const QRect mainWindow(226, 84, 1148, 832);
    const QRect mainLinks(226, 84, 1148, 277);
    const WindowPlacement helpPage = companion(wide, QSize(800, 600), false, mainWindow, mainLinks);
    const WindowPlacement instructions = companion(wide, QSize(643, 643), true, mainWindow, mainLinks);
    // A road map left of the middle, its buttons in its lower third.
    const QRect roadMap(300, 190, 828, 652);
    const WindowPlacement fromRoadMap = companion(wide, QSize(800, 600), false, roadMap, QRect(300, 626, 828, 216));
    struct CascadeCase {
        const char* name;
        QList<WindowPlacement> kinds; // opened in turn
        QList<QRect> openBefore;
        int windows;
        bool room;              // else each new window starts a cascade of its own, at its own place
        int sparingButtons = 0; // how many leave the origin's buttons as free as the first one does
    };
    const CascadeCase cases[] = {
        // Below the links there is room for one: the others cascade down from the main window's
        // title bar, clear of the first one's title bar.
        {"pages from the Help menu beside the main window", {helpPage}, {mainWindow}, 9, true},
        {"instructions from a dashboard", {instructions}, {mainWindow}, 9, true},
        {"pages and instructions in turn", {helpPage, instructions}, {mainWindow}, 8, true},
        {"windows centred on the screen", {dialog(wide, QSize(800, 600), QRect())}, {}, 8, true},
        // The first above the buttons, the second beside it as long as the screen is that wide.
        // The road map is modal: the main window, which it blocks, is none of the open windows.
        {"instructions from the road map", {fromRoadMap}, {roadMap}, 4, true, 2},
        // As high as the screen and nearly as wide: no room for a second title bar.
        {"window filling the screen's height",
         {dialog(QRect(0, 0, 1024, 576), QSize(960, 680), QRect())},
         {},
         3,
         false},
    };
    for (const CascadeCase& c : cases) {
        SCOPED_TRACE(c.name);
        QList<QRect> stack = c.openBefore;
        QList<QRect> lastOfKind(c.kinds.size());
        for (int i = 0; i < c.windows; ++i) {
            const qsizetype kind = i % c.kinds.size();
            WindowPlacement placement = c.kinds.at(kind);
            const QRect alone = placement.outerGeometry();
            placement.open = stack;
            placement.lastOfKind = lastOfKind.at(kind);
            const QRect outer = placement.outerGeometry();
            EXPECT_TRUE(placement.available.contains(outer)) << i;
            EXPECT_EQ(outer.size(), alone.size());
            if (i < c.sparingButtons)
                EXPECT_LE(area(outer.intersected(placement.originButtons)),
                          area(alone.intersected(placement.originButtons)))
                    << i << " at " << text(outer);
            stack << outer;
            lastOfKind[kind] = outer;
            if (!c.room) {
                EXPECT_EQ(text(outer), text(alone)) << i;
                continue;
            }
            const QList<double> shares = titleBarsInView(stack);
            for (qsizetype below = 0; below < shares.size(); ++below)
                // A window that spares its origin's buttons may hide the origin's title bar.
                if (c.sparingButtons == 0 || stack.at(below) != placement.origin)
                    EXPECT_GE(shares.at(below), 0.5) << "window " << i << " hides window " << below << " at "
                                                     << text(stack.at(below)) << ", itself at " << text(outer);
        }
    }
    // Where there is room below, the second one a title bar down and to the right of the first.
    WindowPlacement centred = dialog(wide, QSize(800, 600), QRect());
    const QRect first = centred.outerGeometry();
    centred.open << first;
    centred.lastOfKind = first;
    EXPECT_EQ(centred.outerGeometry(), first.translated(kFrame.top(), kFrame.top()));
}
