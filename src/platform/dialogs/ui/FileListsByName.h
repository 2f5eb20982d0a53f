// File lists that never read a file to show it. A file dialog or a file name field's completion
// picks each entry's icon and type; left to itself it reads the file's first bytes for that, and a
// file that blocks its reader (a kernel message file, a file on a stalled mount) stops the program
// for good. Here the icon and type come from the name and the kind of entry alone, so a special
// file is listed and never opened.
#pragma once

#include <QFileIconProvider>
#include <QMimeDatabase>
#include <QObject>

namespace tova {

// Icons and types by the entry's kind (folder, file, pipe, device) and its file name only.
class NameOnlyIconProvider final : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;

private:
    QMimeDatabase m_mimes;
};

// While one lives, every window the program shows lists files by name only: a file dialog (also
// one that a Qt dialog opens on its own, such as the print dialog's browse button) and any file
// name field's completion in it. Make it before the dialog, so that it outlives the dialog's lists.
class FileListsByName final : public QObject {
public:
    FileListsByName();
    ~FileListsByName() override;
    Q_DISABLE_COPY_MOVE(FileListsByName)

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    NameOnlyIconProvider m_provider;
};

} // namespace tova
