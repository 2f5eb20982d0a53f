// While a modal question is up (a message box, or a dialog whose choice is required), close
// requests from the window system reach only that question and the windows opened above it.
#pragma once

#include <QObject>

class QWindow;

namespace tova {

// Qt already holds back close requests to a window that a modal window blocks, except for a window
// whose own close is under way (its question was asked while it handled a close): a second request
// then goes through and closes it at once, ending the program with the question unanswered, or
// hiding a dialog whose modal loop still runs. The guard refuses those requests as well. It watches
// the application for as long as it lives.
class ModalCloseGuard final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ModalCloseGuard)
public:
    ModalCloseGuard();
    ~ModalCloseGuard() override;

    // Whether a close request to window may be carried out while the modal windows now up stay.
    static bool closeAllowed(const QWindow& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace tova
