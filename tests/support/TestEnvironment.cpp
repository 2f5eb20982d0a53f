#include "support/TestEnvironment.h"

#include "platform/Services.h"
#include "support/AppFolderCopy.h"

#include <QTemporaryDir>

namespace tova::test {

QString builtAppFolder() {
    return QStringLiteral(TOVA_APP_DIR);
}

QString testDataPath(const QString& name) {
    return QStringLiteral(TOVA_TEST_DATA_DIR) + QLatin1Char('/') + name;
}

namespace {

// Copies the built application folder, without the program, to target.
void copyBuiltAppFolder(const QString& target) {
    copyAppFolderWithoutProgram(builtAppFolder(), QStringLiteral(TOVA_PROGRAM), target);
}

// The application folder of tests that ask for none: one writable copy for the whole run, made
// when first needed. Tests write generated pages into the application folder, and the built one
// is what the program is started from (and what the suite's run under another locale reads).
QString sharedAppFolder() {
    static QTemporaryDir folder;
    static const bool copied = (copyBuiltAppFolder(folder.path()), true);
    Q_UNUSED(copied);
    return folder.path();
}

} // namespace

TestEnvironment::TestEnvironment(const QString& appFolder) {
    settings = std::make_unique<SettingsStore>(scratch.filePath(QStringLiteral("settings.ini")));
    Services& s = services();
    s.messageBox = &messages;
    s.fileDialogs = &fileDialogs;
    s.settings = settings.get();
    s.appFolder = appFolder.isEmpty() ? sharedAppFolder() : appFolder;
    QDir(scratch.path()).mkpath(QStringLiteral("printouts"));
    printouts = std::make_unique<PdfPrintOutput>(scratch.filePath(QStringLiteral("printouts")));
}

TestEnvironment::~TestEnvironment() {
    Services& s = services();
    if (s.messageBox == &messages)
        s.messageBox = nullptr;
    if (s.fileDialogs == &fileDialogs)
        s.fileDialogs = nullptr;
    if (s.settings == settings.get())
        s.settings = nullptr;
    // A copy of the test's own goes with its scratch folder; what runs after the test finds the
    // shared copy.
    if (s.appFolder.startsWith(scratch.path() + QLatin1Char('/')))
        s.appFolder = sharedAppFolder();
}

QString TestEnvironment::copyAppFolder(const QString& folder) {
    const QString target = scratch.filePath(folder);
    copyBuiltAppFolder(target);
    services().appFolder = target;
    return target;
}

} // namespace tova::test
