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
    // Tests write generated pages into the application folder: never into the built one, which the
    // program is started from.
    s.appFolder = appFolder.isEmpty() ? copyAppFolder() : appFolder;
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
    // The copy goes with the scratch folder; what runs after the test reads the built folder.
    if (s.appFolder.startsWith(scratch.path() + QLatin1Char('/')))
        s.appFolder = builtAppFolder();
}

QString TestEnvironment::copyAppFolder(const QString& folder)
{
    const QString source = builtAppFolder();
    const QString target = scratch.filePath(folder);
    if (services().appFolder == target)
        return target;
    const QFileInfo program(QStringLiteral(TOVA_PROGRAM));
    QDirIterator it(source, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        // No test starts the program from its copy; leaving it out keeps a copy small and quick.
        if (QFileInfo(file) == program)
            continue;
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
