#include "store/ProposedFiles.h"

#include "platform/SystemServices.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBoundaryFinder>

namespace Globals {
namespace {

// The bytes a file name may take here, counted as the system stores the name.
constexpr qsizetype kLongestFileName = 255;

const QString kProjectExtension = QStringLiteral(".tova");
const QString kPrintoutExtension = QStringLiteral(".pdf");

qsizetype fileNameBytes(QStringView text) {
    return QFile::encodeName(text.toString()).size();
}

// The longest start of the text that takes at most maxBytes in a file name, cut between two
// characters as the reader sees them: a surrogate pair stays whole, and a letter keeps its
// combining marks.
QString leadingPart(const QString& text, qsizetype maxBytes) {
    if (fileNameBytes(text) <= maxBytes)
        return text;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    qsizetype kept = 0;
    qsizetype bytes = 0;
    for (qsizetype next = characters.toNextBoundary(); next > 0; next = characters.toNextBoundary()) {
        bytes += fileNameBytes(QStringView(text).mid(kept, next - kept));
        if (bytes > maxBytes)
            break;
        kept = next;
    }
    return text.left(kept);
}

// No dot or blank at either end: a leading dot would hide the file.
QString trimmedEnds(QString name) {
    while (!name.isEmpty() && (name.front() == QLatin1Char('.') || name.front().isSpace()))
        name.remove(0, 1);
    while (!name.isEmpty() && (name.back() == QLatin1Char('.') || name.back().isSpace()))
        name.chop(1);
    return name;
}

// The text as part of a file name, in at most maxBytes: characters that a file name cannot hold
// here or on the disks projects are carried on become "-", and no dot or blank stays at either end.
QString fileNamePart(const QString& text, qsizetype maxBytes) {
    QString name;
    for (const QChar c : text) {
        const bool unfit = c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("/\\:*?\"<>|").contains(c);
        name += unfit ? QLatin1Char('-') : c;
    }
    return trimmedEnds(leadingPart(trimmedEnds(name), maxBytes));
}

QString fileStem(const QString& referenceNum, const QString& projectName, qsizetype maxBytes) {
    const QString name = fileNamePart(referenceNum.trimmed().isEmpty() ? projectName : referenceNum, maxBytes);
    return name.isEmpty() ? QStringLiteral("TOVA Project") : name;
}

} // namespace

QString ProposedProjectFileName(const QString& referenceNum, const QString& projectName) {
    return fileStem(referenceNum, projectName, kLongestFileName - fileNameBytes(kProjectExtension)) + kProjectExtension;
}

QString ProjectsFolder() {
    return SystemFolderHelpers::GetMyDocumentsFolder() + QStringLiteral("My TOVA Projects/");
}

QString ProposedPrintoutFile(const QString& screenTitle) {
    const bool loaded = IsProjectLoaded();
    const QString folder =
        gProjectPath.isEmpty() ? ProjectsFolder() : QFileInfo(gProjectPath).absolutePath() + QLatin1Char('/');
    QDir().mkpath(folder);
    // The screen's part keeps at most half of the name, and the project's stem takes what it leaves.
    const qsizetype room = kLongestFileName - fileNameBytes(kPrintoutExtension) - 1;
    const QString screen = fileNamePart(screenTitle, room / 2);
    const QString stem = fileStem(loaded ? GetReferenceNum() : QString(), loaded ? GetProjectName() : QString(),
                                  room - fileNameBytes(screen));
    return folder + stem + QLatin1Char(' ') + screen + kPrintoutExtension;
}

QString ProposedSectionPrintoutFile(const QString& screenTitle, qint16 sectionId) {
    const QString description = SectionDescription(sectionId);
    return ProposedPrintoutFile(description.isEmpty() ? screenTitle : screenTitle + QLatin1Char(' ') + description);
}

} // namespace Globals
