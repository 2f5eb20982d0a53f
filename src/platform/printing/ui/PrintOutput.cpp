#include "platform/printing/ui/PrintOutput.h"

#include "platform/AwaitAnswer.h"
#include "platform/Services.h"
#include "platform/browser/ui/ScriptValue.h"
#include "platform/printing/GrayPage.h"
#include "platform/printing/PdfCopies.h"
#include "platform/printing/ui/PrintedPages.h"
#include "platform/ui/BusyCursor.h"
#include "platform/Wait.h"

#include <QApplication>
#include <QPageRanges>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>
#include <memory>

namespace tova {

namespace {

// The engine's PDF of the view's page for the layout and page ranges (all pages when empty), waiting
// at most timeoutMs; empty when the engine failed or the bound was reached.
QByteArray enginePdf(QWebEngineView& view, const QPageLayout& layout, const QPageRanges& ranges, int timeoutMs) {
    const std::optional<QVariant> pdf = awaitAnswer(
        [&view, &layout, &ranges](const Answer& answer) {
            view.page()->printToPdf([answer](const QByteArray& pdf) { answer(pdf); }, layout, ranges);
        },
        timeoutMs);
    return pdf ? pdf->toByteArray() : QByteArray();
}

// The printer's page ranges cut to the pages the printout has; the engine refuses a range past
// its last page, where the dialog lets the user type any.
QPageRanges rangesWithin(const QPageRanges& asked, int pageCount) {
    QPageRanges kept;
    for (const QPageRanges::Range& range : asked.toRangeList()) {
        const int from = std::max(range.from, 1);
        const int to = std::min(range.to, pageCount);
        if (from <= to)
            kept.addRange(from, to);
    }
    return kept;
}

// Turns the view's page grey, waiting at most timeoutMs for its pictures; false when it could not.
bool turnPageGray(QWebEngineView& view, int timeoutMs) {
    QWebEnginePage& page = *view.page();
    if (!evaluateScript(page, printing::grayPageScript(), timeoutMs).value_or(false).toBool())
        return false;
    return waitWhile(
        [&page] {
            const std::optional<QVariant> pending =
                evaluateScript(page, printing::grayPicturesPendingScript(), kPageWaitMs);
            return !pending || pending->toInt() != 0;
        },
        timeoutMs);
}

bool writePdfFile(QWebEngineView& view, QPrinter& printer, int timeoutMs) {
    // The engine writes the page's own colours; a grayscale print greys the page first, so that
    // its text stays text.
    if (printer.colorMode() == QPrinter::GrayScale && !turnPageGray(view, timeoutMs))
        return false;
    const QPageLayout layout = printer.pageLayout();
    QPageRanges ranges;
    if (!printer.pageRanges().isEmpty()) {
        ranges = rangesWithin(printer.pageRanges(), pdfPageCount(enginePdf(view, layout, {}, timeoutMs)));
        if (ranges.isEmpty())
            return false;
    }
    QByteArray pdf = enginePdf(view, layout, ranges, timeoutMs);
    if (pdf.isEmpty())
        return false;
    if (printer.copyCount() > 1) {
        pdf = printing::pdfWithCopies(pdf, pdfPageCount(pdf), printer.copyCount(), printer.collateCopies(), timeoutMs);
        if (pdf.isEmpty())
            return false;
    }
    // Written whole or not at all: a failed print leaves an earlier file of the name as it was.
    QSaveFile file(printer.outputFileName());
    return file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size() && file.commit();
}

} // namespace

bool writesPdfFile(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

bool printOnPrinter(QWebEngineView& view, QPrinter& printer, int timeoutMs) {
    // A long question list takes a while on either route.
    const BusyCursor busy;
    return writesPdfFile(printer) ? writePdfFile(view, printer, timeoutMs) : printPictures(view, printer, timeoutMs);
}

bool printPictures(QWebEngineView& view, QPrinter& printer, int timeoutMs) {
    const BusyCursor busy;
    const QByteArray pdf = enginePdf(view, printer.pageLayout(), {}, timeoutMs);
    return !pdf.isEmpty() && paintPrintedPages(pdf, printer);
}

std::unique_ptr<QPrinter> printerForJob(QPageLayout::Orientation orientation) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageOrientation(orientation);
    return printer;
}

std::unique_ptr<QPrinter> printerForDialog(QPageLayout::Orientation orientation, const QString& pdfFile) {
    std::unique_ptr<QPrinter> printer = printerForJob(orientation);
    if (pdfFile.isEmpty())
        return printer;
    // Naming a PDF file turns the printer into a file writer; the default printer, when there is
    // one, stays the dialog's choice and the name waits in the dialog's print to file.
    const QPrinter::OutputFormat format = printer->outputFormat();
    printer->setOutputFileName(pdfFile);
    printer->setOutputFormat(format);
    return printer;
}

PrintOutcome QtPrintOutput::print(QWebEngineView& view, QPageLayout::Orientation orientation, const QString& pdfFile) {
    const std::unique_ptr<QPrinter> printer = printerForDialog(orientation, pdfFile);
    QPrintDialog dialog(printer.get(), QApplication::activeWindow());
    m_open = &dialog;
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_open = nullptr;
    if (!accepted)
        return PrintOutcome::Cancelled;
    return printOnPrinter(view, *printer) ? PrintOutcome::Done : PrintOutcome::Failed;
}

PrintOutcome QtPrintOutput::preview(QWebEngineView& view, QPageLayout::Orientation orientation,
                                    const QString& pdfFile) {
    // The preview's print button opens the print dialog on this printer: it proposes what File >
    // Print proposes.
    const std::unique_ptr<QPrinter> printer = printerForDialog(orientation, pdfFile);
    QPrintPreviewDialog dialog(printer.get(), QApplication::activeWindow());
    bool failed = false;
    // Asked for the preview pages, which are drawn into pictures of the pages, and again when the
    // user prints from the preview, which then takes the print dialog's route.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&view, &failed](QPrinter* target) {
        const QPaintEngine* engine = target->paintEngine();
        const bool previewing = engine && engine->type() == QPaintEngine::Picture;
        if (!(previewing ? printPictures(view, *target) : printOnPrinter(view, *target)))
            failed = true;
    });
    m_open = &dialog;
    dialog.exec();
    m_open = nullptr;
    return failed ? PrintOutcome::Failed : PrintOutcome::Done;
}

void QtPrintOutput::closeDialogs() {
    if (m_open)
        m_open->reject();
}

PrintOutput& printOutput(PrintOutput& fallback) {
    PrintOutput* installed = services().printOutput;
    return installed ? *installed : fallback;
}

} // namespace tova
