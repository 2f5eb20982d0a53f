#include "shell/ui/frmAbout.h"

#include "platform/ui/WindowPlacer.h"
#include "shell/ui/ContentPicture.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

frmAbout::frmAbout(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(tova::contentPicture(
        {QStringLiteral("images/about.bmp"), QStringLiteral("images/about.png"), QStringLiteral("images/about.jpg")},
        QSize(544, 264)));
    Picture1->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Picture1);
    setFixedSize(545, 265);
    tova::placeWindow(*this, size(), tova::SizeOf::Client);
}

void frmAbout::showModal(QWidget* parent) {
    auto* window = new frmAbout(parent);
    window->exec();
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Picture1 && event->type() == QEvent::MouseButtonRelease) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    // A key pressed to type or to act closes the window, Escape and Enter as much as a letter. A
    // modifier alone does not: it is the start of a combination such as Alt+F4, which would
    // otherwise reach the window underneath.
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
        event->ignore();
        return;
    default:
        close();
    }
}
