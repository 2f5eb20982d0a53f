// Where a window opens: its start geometry from its design size, its frame, the screen's usable
// area and the window it came from. One rule for every window of the program, kept free of widgets
// so that it can be checked against any screen.
#pragma once

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace tova {

struct WindowPlacement {
    // A dialog sits centred on the window it came from; a companion window (instructions, a page
    // opened in a new window) sits beside it, covering as little of it as the screen allows and,
    // first of all, not its buttons.
    enum class Mode { Centred, Beside };

    QRect available; // the screen's usable area (panels excluded), in screen coordinates
    QMargins frame;  // the frame and title bar around the client area, as far as known
    QSize size;      // the design size, of the client area or (sizeIsOuter) of the frame
    bool sizeIsOuter = false;
    QRect origin;        // outer geometry of the window it came from; empty when none
    QRect originButtons; // the part of origin with its buttons, in screen coordinates; may be empty
    Mode mode = Mode::Centred;
    // Outer geometries of the program's other open windows that the user can reach, the lowest in
    // the stack first. The new window opens on top of them and hides no more than half of any title
    // bar of theirs that is in view. It opens at its own place where that place does so; else a
    // companion window first looks for a place above its origin's buttons that leaves them as free
    // as its own place (it may hide the origin's title bar there), and then any window cascades:
    // down and right by a title bar from the newest window of its kind, or, with none or no room
    // below, from the top of the screen. Where the screen has no such room at all, the lowest
    // windows are given up in turn and a new cascade starts over them.
    QList<QRect> open;
    // Outer geometry of the newest open window of the same kind; empty when there is none.
    QRect lastOfKind;

    // The client area's geometry in screen coordinates: the design size where it fits, else as
    // much as the usable area gives, placed so that the frame lies wholly inside the usable area.
    QRect clientGeometry() const;
    // The same with its frame.
    QRect outerGeometry() const;

private:
    // The height of a title bar: the frame's top, or a usual title bar where the frame is unknown.
    int titleBarHeight() const;

    static constexpr int kMinimumTitleBar = 24;
    // How far apart the places are that a cascade tries, beside the edges of the open windows.
    static constexpr int kPlacesApart = 8;

    // The best of the wanted top-left corners for a window of this outer size, kept inside the
    // usable area.
    QRect bestOf(const QList<QPoint>& wanted, const QSize& outer, bool beside) const;
    // The window's own place, or a cascade's where that would hide a title bar of the open windows.
    QRect apartFromOpen(const QRect& own) const;
    // The top-left corners a window of this outer size may take among these windows, in the order
    // a cascade from the corner from tries them: rows from firstRow down, then from the top.
    QList<QPoint> placesInOrder(const QSize& outer, const QList<QRect>& windows, const QPoint& from,
                                int firstRow) const;
};

} // namespace tova
