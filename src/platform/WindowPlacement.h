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
    // Outer geometries of the open windows of the same kind: a new one never stands on one of them
    // but opens offset from it, down and right by a title bar where the screen has room.
    QList<QRect> sameKind;

    // The client area's geometry in screen coordinates: the design size where it fits, else as
    // much as the usable area gives, placed so that the frame lies wholly inside the usable area.
    QRect clientGeometry() const;
    // The same with its frame.
    QRect outerGeometry() const;

private:
    static constexpr int kMinimumCascadeStep = 24;

    // The best of the wanted top-left corners for a window of this outer size, each kept inside the
    // usable area and, where it would stand on a window of the same kind, moved on by steps.
    QRect offsetFromSameKind(const QList<QPoint>& wanted, const QSize& outer, bool beside) const;
};

} // namespace tova
