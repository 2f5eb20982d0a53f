// Windows that exist at most once: created on first use, deleted on request, created again by the
// next use. The window class befriends SingleInstance so its constructor can stay private.
#pragma once

#include <QPointer>

namespace tova {

template <typename Window> class SingleInstance {
public:
    static Window& instance() {
        if (!slot())
            slot() = new Window;
        return *slot();
    }

    // Deletes the window if it exists (the next use creates it again).
    static void destroyInstance() { delete slot().data(); }

private:
    static QPointer<Window>& slot() {
        static QPointer<Window> window;
        return window;
    }
};

} // namespace tova
