#include "platform/printing/PdfCopies.h"

#include "platform/Wait.h"

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace tova::printing {
namespace {

bool runTool(const QString& program, const QStringList& arguments, int timeoutMs) {
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForStarted(timeoutMs))
        return false;
    // The user interface stays alive while the pages are joined.
    return waitForProcessEnd(tool, timeoutMs) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

} // namespace

QByteArray pdfWithCopies(const QByteArray& pdf, int pageCount, int copies, bool collate, int timeoutMs) {
    if (copies <= 1)
        return pdf;
    const QTemporaryDir folder;
    if (!folder.isValid())
        return {};
    const QString single = folder.filePath(QStringLiteral("single.pdf"));
    QFile singleFile(single);
    if (!singleFile.open(QIODevice::WriteOnly) || singleFile.write(pdf) != pdf.size() || !singleFile.flush())
        return {};
    singleFile.close();

    QStringList parts;
    if (collate) {
        for (int copy = 0; copy < copies; ++copy)
            parts << single;
    } else {
        if (!runTool(QStringLiteral("pdfseparate"), {single, folder.filePath(QStringLiteral("page-%d.pdf"))},
                     timeoutMs))
            return {};
        for (int page = 1; page <= pageCount; ++page)
            for (int copy = 0; copy < copies; ++copy)
                parts << folder.filePath(QStringLiteral("page-%1.pdf").arg(page));
    }
    const QString joined = folder.filePath(QStringLiteral("joined.pdf"));
    if (!runTool(QStringLiteral("pdfunite"), parts << joined, timeoutMs))
        return {};
    QFile joinedFile(joined);
    return joinedFile.open(QIODevice::ReadOnly) ? joinedFile.readAll() : QByteArray();
}

} // namespace tova::printing
