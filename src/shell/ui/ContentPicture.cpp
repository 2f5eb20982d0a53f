#include "shell/ui/ContentPicture.h"

#include "platform/AppFolder.h"

#include <QColor>

namespace tova {

QPixmap contentPicture(const QStringList& candidates, const QSize& size) {
    for (const QString& candidate : candidates) {
        QPixmap picture;
        if (picture.load(appPath(candidate)))
            return picture.size() == size ? picture
                                          : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap plain(size);
    plain.fill(QColor(0xF0, 0xF0, 0xF0));
    return plain;
}

} // namespace tova
