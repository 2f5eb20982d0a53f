#include "platform/ui/WindowPlacer.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <chrono>

namespace tova {

namespace {

// Where a window keeps the edge of its buttons for the windows placed beside it.
const char* const kButtonsEdgeProperty = "tovaButtonsEdge";
// When a window last came on top of the others (it was shown or clicked), on a steady clock.
const char* const kRaisedProperty = "tovaRaisedAt";

void markRaised(QWidget& window) {
    window.setProperty(kRaisedProperty, qint64(std::chrono::steady_clock::now().time_since_epoch().count()));
}

qint64 raisedAt(const QWidget& window) {
    return window.property(kRaisedProperty).toLongLong();
}

// The windows that have a title bar to keep in view: not menus, tooltips or frameless pictures.
bool hasTitleBar(const QWidget& window) {
    const Qt::WindowType type = window.windowType();
    return (type == Qt::Window || type == Qt::Dialog) && !(window.windowFlags() & Qt::FramelessWindowHint);
}

QMargins frameOf(const QWidget* window) {
    const QWindow* handle = window ? window->windowHandle() : nullptr;
    return handle ? handle->frameMargins() : QMargins();
}

// The window's outer geometry; one whose frame the window system has not told yet is given the
// frame guessed for the window being placed.
QRect outerOf(const QWidget& window, const QMargins& guess) {
    return frameOf(&window).isNull() ? window.geometry().marginsAdded(guess) : window.frameGeometry();
}

// Whether a modal window keeps the user from the window: any window but the modal one and those it
// owns, such as a page opened from it.
bool blockedBy(const QWidget* modal, const QWidget& window) {
    if (!modal)
        return false;
    for (const QWidget* owner = &window; owner; owner = owner->parentWidget())
        if (owner == modal)
            return false;
    return true;
}

// The band of the window's outer geometry that holds its buttons: a third of it along their edge.
QRect buttonsOf(const QWidget& window) {
    const QVariant edge = window.property(kButtonsEdgeProperty);
    if (!edge.isValid())
        return {};
    const QRect outer = window.frameGeometry();
    switch (Qt::Edge(edge.toInt())) {
    case Qt::TopEdge:
        return outer.adjusted(0, 0, 0, -outer.height() * 2 / 3);
    case Qt::BottomEdge:
        return outer.adjusted(0, outer.height() * 2 / 3, 0, 0);
    case Qt::LeftEdge:
        return outer.adjusted(0, 0, -outer.width() * 2 / 3, 0);
    case Qt::RightEdge:
        return outer.adjusted(outer.width() * 2 / 3, 0, 0, 0);
    }
    return {};
}

class WindowPlacer final : public QObject {
public:
    explicit WindowPlacer(QWidget& window) : QObject(&window), m_window(window) { window.installEventFilter(this); }

    static WindowPlacer* of(QWidget& window) {
        for (QObject* child : window.children())
            if (auto* placer = dynamic_cast<WindowPlacer*>(child))
                return placer;
        return nullptr;
    }

    QSize size;
    SizeOf kind = SizeOf::Client;
    WindowPlacement::Mode mode = WindowPlacement::Mode::Centred;
    QPointer<QWidget> origin;

    void place() {
        QWidget* from = m_shownFrom.data();
        const QScreen* screen = from ? from->screen() : m_window.screen();
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        // Until the window system has framed this window, a frame like its origin's is the best guess.
        QMargins frame = frameOf(&m_window);
        if (frame.isNull())
            frame = frameOf(from);
        WindowPlacement placement;
        placement.available = screen ? screen->availableGeometry() : QRect();
        placement.frame = frame;
        placement.size = size.isValid() ? size : m_window.sizeHint();
        placement.sizeIsOuter = size.isValid() && kind == SizeOf::Outer;
        placement.mode = mode;
        if (from) {
            placement.origin = outerOf(*from, frame);
            placement.originButtons = buttonsOf(*from);
        }
        placeApartFromOpen(placement);
        m_frameUsed = frame;
        m_window.setGeometry(placement.clientGeometry());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_handle.data()) {
            // A window manager that frames a window without moving its client area sends it no
            // move: the window's first showing on the screen is where its frame is known.
            if (event->type() == QEvent::Expose)
                placeAgainOnceFramed();
            // A click into a window brings it on top; being given the focus alone need not.
            if (event->type() == QEvent::MouseButtonPress && event->spontaneous())
                markRaised(m_window);
            return false;
        }
        if (watched != &m_window)
            return false;
        switch (event->type()) {
        case QEvent::Show:
            if (!event->spontaneous()) {
                markRaised(m_window);
                m_shownFrom = originNow();
                m_framed = false;
                place();
                watchHandle();
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
            placeAgainOnceFramed();
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Watches the window system's own window for the showing on the screen.
    void watchHandle() {
        QWindow* handle = m_window.windowHandle();
        if (handle && handle != m_handle.data()) {
            handle->installEventFilter(this);
            m_handle = handle;
        }
    }

    // The frame is known once the window system has put the window in it: a placement made with
    // another frame is made again, once.
    void placeAgainOnceFramed() {
        if (m_framed || !m_window.isVisible() ||
            (m_window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
            return;
        const QMargins frame = frameOf(&m_window);
        if (frame.isNull())
            return;
        m_framed = true;
        if (frame == m_frameUsed)
            return;
        place();
        // Layout rules are given in the window's outer size, which the frame has just changed;
        // a window put in its frame without being moved or resized would keep a layout made
        // without it.
        QResizeEvent framed(m_window.size(), m_window.size());
        QCoreApplication::sendEvent(&m_window, &framed);
    }

    // The program's other windows that were shown before this one came on top, lowest first as far
    // as their last coming on top tells, and the newest of them of this one's kind. Windows shown
    // later are on top of this one: placing it again once framed leaves their title bars alone.
    void placeApartFromOpen(WindowPlacement& placement) const {
        QWidgetList open;
        const qint64 raised = raisedAt(m_window);
        // The user can reach no window but a modal one (a dialog is placed on its origin) and
        // what it owns: the windows it blocks are left to lie under it.
        const bool modal = m_window.isModal() || m_window.testAttribute(Qt::WA_ShowModal);
        const QWidget* blocking = modal ? &m_window : QApplication::activeModalWidget();
        for (QWidget* other : QApplication::topLevelWidgets())
            if (other != &m_window && other->isVisible() && !other->isMinimized() && hasTitleBar(*other) &&
                raisedAt(*other) < raised && !blockedBy(blocking, *other))
                open << other;
        std::stable_sort(open.begin(), open.end(),
                         [](const QWidget* a, const QWidget* b) { return raisedAt(*a) < raisedAt(*b); });
        const char* const kind = m_window.metaObject()->className();
        for (const QWidget* other : std::as_const(open)) {
            const QRect outer = outerOf(*other, placement.frame);
            placement.open << outer;
            if (qstrcmp(other->metaObject()->className(), kind) == 0)
                placement.lastOfKind = outer;
        }
    }

    // The window this one comes from: the one named for it, its parent's, else the window that
    // was active when it was shown.
    QWidget* originNow() const {
        if (origin && origin->isVisible())
            return origin->window();
        if (QWidget* parent = m_window.parentWidget())
            return parent->window();
        for (QWidget* candidate : {QApplication::activeModalWidget(), QApplication::activeWindow()})
            if (candidate && candidate != &m_window && candidate->isVisible())
                return candidate;
        return nullptr;
    }

    QWidget& m_window;
    QPointer<QWidget> m_shownFrom;
    QPointer<QWindow> m_handle;
    QMargins m_frameUsed;
    bool m_framed = false;
};

WindowPlacer& placerOf(QWidget& window) {
    WindowPlacer* placer = WindowPlacer::of(window);
    return placer ? *placer : *new WindowPlacer(window);
}

} // namespace

void placeWindow(QWidget& window, const QSize& size, SizeOf kind, WindowPlacement::Mode mode) {
    WindowPlacer& placer = placerOf(window);
    placer.mode = mode;
    setDesignSize(window, size, kind);
}

void setDesignSize(QWidget& window, const QSize& size, SizeOf kind) {
    WindowPlacer& placer = placerOf(window);
    placer.size = size;
    placer.kind = kind;
    if (window.isVisible())
        placer.place();
    else if (size.isValid())
        // Until it is shown, the window has its design size as far as it is known now.
        window.resize(kind == SizeOf::Client ? size : size.shrunkBy(frameOf(&window)).expandedTo(QSize(1, 1)));
}

void setPlacementOrigin(QWidget& window, QWidget* origin) {
    placerOf(window).origin = origin;
}

void setButtonsEdge(QWidget& window, Qt::Edge edge) {
    window.setProperty(kButtonsEdgeProperty, int(edge));
}

} // namespace tova
