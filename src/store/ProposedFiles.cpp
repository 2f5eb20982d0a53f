#include "store/ProposedFiles.h"

#include "platform/SystemServices.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"

#include <QDir>
#include <QFileInfo>

namespace Globals {
namespace {

// Long enough for any reference number, well inside the 255 bytes a file name may take.
constexpr int kLongestProposedName = 100;

// The text as part of a file name: at most kLongestProposedName characters, those that a file
// name cannot hold here or on the disks projects are carried on as "-", no dot or blank at either
// end (a leading dot would hide the file).
QString fileNamePart(const QString& text) {
    QString name;
    QString kept = text.left(kLongestProposedName);
    if (!kept.isEmpty() && kept.back().isHighSurrogate())
        kept.chop(1);
    for (const QChar c : kept) {
        const bool unfit = c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("/\\:*?\"<>|").contains(c);
        name += unfit ? QLatin1Char('-') : c;
    }
    while (!name.isEmpty() && (name.front() == QLatin1Char('.') || name.front().isSpace()))
        name.remove(0, 1);
    while (!name.isEmpty() && (name.back() == QLatin1Char('.') || name.back().isSpace()))
        name.chop(1);
    return name;
}

} // namespace

QString ProposedFileStem(const QString& referenceNum, const QString& projectName) {
    const QString name = fileNamePart(referenceNum.trimmed().isEmpty() ? projectName : referenceNum);
    return name.isEmpty() ? QStringLiteral("TOVA Project") : name;
}

QString ProjectsFolder() {
    return SystemFolderHelpers::GetMyDocumentsFolder() + QStringLiteral("My TOVA Projects/");
}

QString ProposedPrintoutFile(const QString& screenTitle) {
    const bool loaded = IsProjectLoaded();
    const QString folder =
        gProjectPath.isEmpty() ? ProjectsFolder() : QFileInfo(gProjectPath).absolutePath() + QLatin1Char('/');
    QDir().mkpath(folder);
    return folder + ProposedFileStem(loaded ? GetReferenceNum() : QString(), loaded ? GetProjectName() : QString()) +
           QLatin1Char(' ') + fileNamePart(screenTitle) + QStringLiteral(".pdf");
}

QString ProposedSectionPrintoutFile(const QString& screenTitle, qint16 sectionId) {
    const QString description = SectionDescription(sectionId);
    return ProposedPrintoutFile(description.isEmpty() ? screenTitle : screenTitle + QLatin1Char(' ') + description);
}

} // namespace Globals
