#include "support/TestEnvironment.h"

#include "platform/Services.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace tova::test {

QString builtAppFolder() { return QStringLiteral(TOVA_APP_DIR); }

QString testDataPath(const QString& name) { return QStringLiteral(TOVA_TEST_DATA_DIR) + QLatin1Char('/') + name; }

TestEnvironment::TestEnvironment(const QString& appFolder)
{
    settings = std::make_unique<SettingsStore>(scratch.filePath(QStringLiteral("settings.ini")));
    Services& s = services();
    s.messageBox = &messages;
    s.fileDialogs = &fileDialogs;
    s.settings = settings.get();
    s.appFolder = appFolder.isEmpty() ? builtAppFolder() : appFolder;
    QDir(scratch.path()).mkpath(QStringLiteral("printouts"));
    printouts = std::make_unique<PdfPrintOutput>(scratch.filePath(QStringLiteral("printouts")));
}

TestEnvironment::~TestEnvironment()
{
    Services& s = services();
    if (s.messageBox == &messages)
        s.messageBox = nullptr;
    if (s.fileDialogs == &fileDialogs)
        s.fileDialogs = nullptr;
    if (s.settings == settings.get())
        s.settings = nullptr;
}

QString TestEnvironment::copyAppFolder(const QString& folder)
{
    const QString source = builtAppFolder();
    const QString target = scratch.filePath(folder);
    QDirIterator it(source, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = QDir(source).relativeFilePath(file);
        const QString destination = target + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(destination).path());
        QFile::copy(file, destination);
        QFile(destination).setPermissions(QFile(file).permissions() | QFile::WriteOwner);
    }
    services().appFolder = target;
    return target;
}

} // namespace tova::test
