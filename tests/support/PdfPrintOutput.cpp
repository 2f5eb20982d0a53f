#include "support/PdfPrintOutput.h"

#include "platform/Services.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace tova::test {

PdfPrintOutput::PdfPrintOutput(const QString& folder) : m_folder(folder), m_previous(services().printOutput) {
    services().printOutput = this;
}

PdfPrintOutput::~PdfPrintOutput() {
    if (services().printOutput == this)
        services().printOutput = m_previous;
}

PrintOutcome PdfPrintOutput::print(QWebEngineView& view, QPageLayout::Orientation orientation) {
    return run(view, orientation, false);
}

PrintOutcome PdfPrintOutput::preview(QWebEngineView& view, QPageLayout::Orientation orientation) {
    return run(view, orientation, true);
}

PrintOutcome PdfPrintOutput::run(QWebEngineView& view, QPageLayout::Orientation orientation, bool preview) {
    const QString path = QDir(m_folder).filePath(QStringLiteral("job%1.pdf").arg(jobs.size() + 1));
    jobs.append({preview, orientation, path});
    if (duringJob)
        duringJob(view);
    if (answer != PrintOutcome::Done)
        return answer;

    // The default printer's paper in the job's orientation; the engine's own PDF output keeps the
    // text searchable.
    QPrinter printer;
    printer.setPageOrientation(orientation);

    bool finished = false;
    bool ok = false;
    QEventLoop loop;
    QObject::connect(view.page(), &QWebEnginePage::pdfPrintingFinished, &loop, [&](const QString&, bool success) {
        finished = true;
        ok = success;
        loop.quit();
    });
    view.page()->printToPdf(path, printer.pageLayout());
    if (!finished) {
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return finished && ok ? PrintOutcome::Done : PrintOutcome::Failed;
}

QSizeF pdfPageSize(const QString& pdfPath) {
    QFile file(pdfPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString bytes = QString::fromLatin1(file.readAll());
    static const QRegularExpression mediaBox(
        QStringLiteral(R"(/MediaBox\s*\[\s*([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s*\])"));
    const QRegularExpressionMatch match = mediaBox.match(bytes);
    if (!match.hasMatch())
        return {};
    return QSizeF(match.captured(3).toDouble() - match.captured(1).toDouble(),
                  match.captured(4).toDouble() - match.captured(2).toDouble());
}

QString pdfText(const QString& pdfPath) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfPath, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace tova::test
