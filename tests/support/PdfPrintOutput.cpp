#include "support/PdfPrintOutput.h"

#include "platform/Services.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>

namespace tova::test {

PdfPrintOutput::PdfPrintOutput(const QString& folder) : m_folder(folder), m_previous(services().printOutput) {
    services().printOutput = this;
}

PdfPrintOutput::~PdfPrintOutput() {
    if (services().printOutput == this)
        services().printOutput = m_previous;
}

PrintOutcome PdfPrintOutput::print(QWebEngineView& view, QPageLayout::Orientation orientation, const QString& pdfFile) {
    return run(view, orientation, false, pdfFile);
}

PrintOutcome PdfPrintOutput::preview(QWebEngineView& view, QPageLayout::Orientation orientation,
                                     const QString& pdfFile) {
    return run(view, orientation, true, pdfFile);
}

namespace {

// The text of the page file the view shows, markup taken out; empty when it cannot be read.
QString pageText(QWebEngineView& view) {
    QFile file(view.url().toLocalFile());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    static const QRegularExpression markup(QStringLiteral("<[^>]*>"));
    return QString::fromUtf8(file.readAll()).remove(markup);
}

} // namespace

PrintOutcome PdfPrintOutput::run(QWebEngineView& view, QPageLayout::Orientation orientation, bool preview,
                                 const QString& pdfFile) {
    const QString path = QDir(m_folder).filePath(QStringLiteral("job%1.pdf").arg(jobs.size() + 1));
    PrintJob job;
    job.preview = preview;
    job.orientation = orientation;
    job.pdfPath = path;
    job.proposedPdfFile = pdfFile;
    jobs.append(job);
    const qsizetype index = jobs.size() - 1;
    if (duringJob)
        duringJob(view);
    jobs[index].pageText = pageText(view);
    const PrintOutcome outcome = answer == PrintOutcome::Done ? writePdf(view, orientation, path, preview) : answer;
    jobs[index].finished = true;
    return outcome;
}

PrintOutcome PdfPrintOutput::writePdf(QWebEngineView& view, QPageLayout::Orientation orientation, const QString& path,
                                      bool preview) {
    // The printer the print dialog and the preview start from, writing a PDF file as the dialog's
    // "print to file" leaves it. A print takes the dialog's route (the engine's own PDF); a preview
    // gets the pages as the preview window draws them, pictures as paper gets them.
    const std::unique_ptr<QPrinter> printer = printerForJob(orientation);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    if (grayscale)
        printer->setColorMode(QPrinter::GrayScale);
    if (paper.isValid())
        printer->setPageSize(paper);
    if (!preview)
        return printOnPrinter(view, *printer);
    return printPictures(view, *printer) ? PrintOutcome::Done : PrintOutcome::Failed;
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

} // namespace tova::test
