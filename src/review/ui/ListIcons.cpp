#include "review/ui/ListIcons.h"

#include "platform/AppFolder.h"

#include <QFileInfo>

namespace tova::review {

namespace {

// The first of the candidate pictures that exists.
QIcon iconFrom(std::initializer_list<const char*> candidates) {
    QIcon icon;
    for (const char* candidate : candidates) {
        const QString path = appPath(QString::fromLatin1(candidate));
        if (QFileInfo::exists(path))
            icon.addFile(path);
    }
    return icon;
}

} // namespace

QIcon projectFileIcon() {
    return iconFrom({"images/icon_project32.png", "images/icon_project16.png"});
}
QIcon newProjectIcon() {
    return iconFrom({"images/icon_new32.png"});
}
QIcon sampleProjectIcon() {
    return iconFrom({"images/icon_sample32.png"});
}
QIcon reviewIcon() {
    return iconFrom({"images/icon_project32.png"});
}

} // namespace tova::review
