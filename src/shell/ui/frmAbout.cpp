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

void frmAbout::keyPressEvent(QKeyEvent* /*event*/) {
    // Every key closes the window, Escape and Enter as much as a letter.
    close();
}
