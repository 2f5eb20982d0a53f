#include "shell/ui/ContentPicture.h"

#include "platform/AppFolder.h"
#include "platform/WholeFile.h"

#include <QColor>

namespace tova {

QPixmap contentPicture(const QStringList& candidates, const QSize& size) {
    for (const QString& candidate : candidates) {
        QByteArray bytes;
        QPixmap picture;
        if (readFileWhole(appPath(candidate), kMaxContentFileBytes, &bytes) && picture.loadFromData(bytes))
            return picture.size() == size ? picture
                                          : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap plain(size);
    plain.fill(QColor(0xF0, 0xF0, 0xF0));
    return plain;
}

} // namespace tova
