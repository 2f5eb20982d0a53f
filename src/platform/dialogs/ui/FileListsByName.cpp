#include "platform/dialogs/ui/FileListsByName.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QWidget>

namespace tova {

namespace {

bool isRoot(const QFileInfo& info) {
    return info.isRoot() || info.absoluteFilePath().isEmpty();
}

} // namespace

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const {
    if (isRoot(info))
        return icon(Drive);
    if (info.isDir())
        return icon(Folder);
    // By the extension, after a look at the entry's kind on disk (a pipe or a device has a type of
    // its own): the file itself is never opened.
    const QMimeType mime = m_mimes.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    QIcon themed = QIcon::fromTheme(mime.iconName());
    if (themed.isNull())
        themed = QIcon::fromTheme(mime.genericIconName());
    return themed.isNull() ? icon(File) : themed;
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const {
    // Drives and folders are told by their kind alone.
    if (isRoot(info) || info.isDir())
        return QFileIconProvider::type(info);
    const QMimeType mime = m_mimes.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
}

FileListsByName::FileListsByName() {
    qApp->installEventFilter(this);
}

FileListsByName::~FileListsByName() {
    qApp->removeEventFilter(this);
}

bool FileListsByName::eventFilter(QObject* watched, QEvent* event) {
    // A window is polished as it is first shown, before its event loop runs: the lists it started
    // filling when it was made have shown nothing yet.
    if (event->type() != QEvent::Polish)
        return false;
    auto* window = qobject_cast<QWidget*>(watched);
    if (!window || !window->isWindow())
        return false;
    // The dialog's own call also gives its side bar the provider's icons.
    if (auto* dialog = qobject_cast<QFileDialog*>(window))
        dialog->setIconProvider(&m_provider);
    for (QFileSystemModel* list : window->findChildren<QFileSystemModel*>())
        if (list->iconProvider() != &m_provider)
            list->setIconProvider(&m_provider);
    return false;
}

} // namespace tova
