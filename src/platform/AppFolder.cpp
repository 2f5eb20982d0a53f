#include "platform/AppFolder.h"

#include "platform/Services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tova {

QString appFolder() {
    QString folder = services().appFolder;
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

QString resolveCaseInsensitive(const QString& folder, const QString& relative) {
    QString path = folder;
    QString normalised = relative;
    normalised.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = normalised.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    bool stillExisting = true;
    for (const QString& part : parts) {
        QString chosen = part;
        if (stillExisting && part != QLatin1String(".") && part != QLatin1String("..")) {
            if (!QFileInfo::exists(path + QLatin1Char('/') + part)) {
                const QStringList entries =
                    QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
                stillExisting = false;
                for (const QString& entry : entries) {
                    if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                        chosen = entry;
                        stillExisting = true;
                        break;
                    }
                }
            }
        }
        path += QLatin1Char('/') + chosen;
    }
    return path;
}

QString appPath(const QString& relative) {
    return resolveCaseInsensitive(appFolder(), relative);
}

} // namespace tova
