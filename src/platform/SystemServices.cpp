#include "platform/SystemServices.h"

#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "platform/SystemServicesSupport.h"
#include "platform/Wait.h"
#include "platform/dialogs/MessageBox.h"

#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

namespace tova::system {
namespace {

// A program that has not started after this long never will.
constexpr int kStartWaitMs = 30000;
// The intro program runs for well under a minute; one that is still running after this has hung.
constexpr int kProgramWaitMs = 5 * 60 * 1000;
// The desktop's answer about file types comes back at once; a stuck helper must not block opening
// a document.
constexpr int kDesktopQueryMs = 5000;
// An opener that fails does so at once; one still running after this has started the application
// in its own process and is left to it.
constexpr int kOpenerVerdictSeconds = 5;

// Runs the opener in the background and answers with its exit status, or 0 once it has run for the
// verdict time (it then goes on alone: the application it started must outlive this watch).
QString openerWatchScript() {
    return QStringLiteral(
               "xdg-open \"$1\" </dev/null >/dev/null 2>&1 & opener=$!\n"
               "ticks=0\n"
               "while kill -0 $opener 2>/dev/null && [ $ticks -lt %1 ]; do sleep 0.1; ticks=$((ticks+1)); done\n"
               "kill -0 $opener 2>/dev/null && exit 0\n"
               "wait $opener\n")
        .arg(kOpenerVerdictSeconds * 10);
}

QString valueKey(const QString& valueName) {
    return valueName.isEmpty() ? defaultValueName() : valueName;
}

bool keyExists(const SettingsStore& settings, const QString& section) {
    return settings.HasSetting(registryApplication(), section, keyMarker());
}

} // namespace

QString registrySection(const QString& root, const QString& keyPath) {
    return root + QLatin1Char('\\') + keyPath;
}

QString readRegistryValue(const QString& root, const QString& keyPath, const QString& valueName) {
    const SettingsStore* settings = services().settings;
    const QString section = registrySection(root, keyPath);
    if (!settings || !keyExists(*settings, section))
        return QString();
    const QString stored = settings->GetSetting(registryApplication(), section, valueKey(valueName));
    const int colon = stored.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return QString();
    const QString type = stored.left(colon);
    const QString data = stored.mid(colon + 1);
    if (type == QString::number(RegHelpers::REG_SZ))
        return data;
    if (type == QString::number(RegHelpers::REG_DWORD)) {
        bool ok = false;
        const qint32 number = data.toInt(&ok);
        return ok ? QString::number(number) : QString();
    }
    return QString();
}

void writeRegistryValue(const QString& root, const QString& keyPath, const QString& valueName, const QString& value,
                        int valueType) {
    SettingsStore* settings = services().settings;
    const QString section = registrySection(root, keyPath);
    if (!settings || !keyExists(*settings, section))
        return;
    QString data;
    if (valueType == RegHelpers::REG_SZ) {
        data = value;
    } else if (valueType == RegHelpers::REG_DWORD) {
        bool ok = false;
        const qint32 number = value.trimmed().toInt(&ok);
        if (!ok)
            return;
        data = QString::number(number);
    } else {
        return;
    }
    settings->SaveSetting(registryApplication(), section, valueKey(valueName),
                          QString::number(valueType) + QLatin1Char(':') + data);
}

qint16 majorVersionFromText(const QString& versionText) {
    const QString major = versionText.section(QLatin1Char('.'), 0, 0).trimmed();
    bool ok = false;
    const qint16 version = major.toShort(&ok);
    if (ok && version >= 0)
        return version;
    const bool digits =
        !major.isEmpty() && std::all_of(major.begin(), major.end(), [](QChar c) { return c.isDigit(); });
    const int number = digits ? 2 : 1;
    const QString description =
        digits ? QStringLiteral("version number %1 is too large").arg(major)
               : QStringLiteral("the browser engine's version \"%1\" cannot be read").arg(versionText);
    MsgBox(unexpectedErrorText(number, description, QStringLiteral("GetIEMajorVersion"), QStringLiteral("Module"),
                               QStringLiteral("IEVersionHelpers")));
    return 0;
}

QString defaultPdfApplication() {
    return defaultApplicationFor(QStringLiteral("application/pdf"));
}

QString defaultApplicationFor(const QString& mimeType) {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForStarted(kDesktopQueryMs))
        return QString();
    if (!query.waitForFinished(kDesktopQueryMs)) {
        query.kill();
        query.waitForFinished(1000);
        return QString();
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

} // namespace tova::system

namespace ShellHelpers {

void ExecCmd(const QString& programPath, const QString& commandLine, bool wait) {
    tova::doEvents();
    const QStringList arguments = QProcess::splitCommand(commandLine);
    if (!wait) {
        QProcess::startDetached(programPath, arguments);
        return;
    }
    QProcess process;
    process.setProgram(programPath);
    process.setArguments(arguments);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start();
    // A program that cannot be started is not reported; the call just returns.
    if (!process.waitForStarted(tova::system::kStartWaitMs))
        return;
    tova::doEvents();
    // The user interface stays alive while the program runs.
    tova::waitForProcessEnd(process, tova::system::kProgramWaitMs);
}

bool OpenWithDefaultApplication(const QString& filePath) {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(filePath);
    // The opener would fall back to some other program (often a web browser) for a type that has
    // no application of its own; the caller tells the user instead.
    if (tova::system::defaultApplicationFor(type.name()).isEmpty())
        return false;
    // The opener itself may fail (a content type without a program although the name's extension
    // has one): its exit status counts, so that failure is reported like a missing program.
    QProcess watch;
    watch.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), tova::system::openerWatchScript(), QStringLiteral("tova-open"), filePath});
    if (!watch.waitForStarted(tova::system::kStartWaitMs))
        return false;
    const int boundMs = (tova::system::kOpenerVerdictSeconds + 5) * 1000;
    return tova::waitForProcessEnd(watch, boundMs) && watch.exitStatus() == QProcess::NormalExit &&
           watch.exitCode() == 0;
}

} // namespace ShellHelpers

namespace RegHelpers {

QString QueryValueHKCR(const QString& keyPath, const QString& valueName) {
    // The one question asked of the classes root is whether PDF files can be opened: the embedded
    // browser's own viewer counts, else the desktop's default application for them.
    if (keyPath.compare(QLatin1String(".pdf"), Qt::CaseInsensitive) == 0 && valueName.isEmpty()) {
        const std::function<bool()>& viewer = tova::services().embeddedPdfViewerEnabled;
        if (!viewer || viewer())
            return QStringLiteral("embedded-pdf-viewer");
        return tova::system::defaultPdfApplication();
    }
    return tova::system::readRegistryValue(tova::system::classesRoot(), keyPath, valueName);
}

QString QueryValueHKCU(const QString& keyPath, const QString& valueName) {
    return tova::system::readRegistryValue(tova::system::currentUserRoot(), keyPath, valueName);
}

void SetKeyValueHKCU(const QString& keyPath, const QString& valueName, const QString& value, int valueType) {
    tova::system::writeRegistryValue(tova::system::currentUserRoot(), keyPath, valueName, value, valueType);
}

} // namespace RegHelpers

namespace SystemFolderHelpers {

QString GetMyDocumentsFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        return QString();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace SystemFolderHelpers
