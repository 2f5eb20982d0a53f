#include "shell/ui/frmSplash.h"

#include "platform/ui/WindowPlacer.h"
#include "shell/ui/ContentPicture.h"

#include <QLabel>
#include <QVBoxLayout>

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    auto* picture = new QLabel(this);
    picture->setPixmap(tova::contentPicture(
        {QStringLiteral("images/splash.jpg"), QStringLiteral("images/splash.png"), QStringLiteral("images/splash.bmp")},
        QSize(700, 440)));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    setFixedSize(700, 440);
    tova::placeWindow(*this, size(), tova::SizeOf::Client);
}
