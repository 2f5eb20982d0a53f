#include "platform/printing/ui/PrintOutput.h"

#include "platform/Services.h"
#include "platform/printing/PdfCopies.h"
#include "platform/printing/ui/PrintedPages.h"
#include "platform/ui/BusyCursor.h"
#include "platform/Wait.h"

#include <QApplication>
#include <QEventLoop>
#include <QPageRanges>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>
#include <memory>

namespace tova {

namespace {

// The engine's PDF of the view's page for the layout and page ranges (all pages when empty), waiting
// at most timeoutMs; empty when the engine failed or the bound was reached.
QByteArray enginePdf(QWebEngineView& view, const QPageLayout& layout, const QPageRanges& ranges, int timeoutMs) {
    struct Outcome {
        bool finished = false;
        QByteArray pdf;
    };
    auto outcome = std::make_shared<Outcome>();
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    view.page()->printToPdf(
        [outcome, waiting](const QByteArray& pdf) {
            outcome->finished = true;
            outcome->pdf = pdf;
            if (waiting)
                waiting->quit();
        },
        layout, ranges);
    if (!outcome->finished) {
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        deliverEventsQueuedBehindCaller();
        if (!outcome->finished)
            loop.exec();
    }
    return outcome->finished ? outcome->pdf : QByteArray();
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

bool writePdfFile(QWebEngineView& view, QPrinter& printer, int timeoutMs) {
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

PrintOutcome QtPrintOutput::preview(QWebEngineView& view, QPageLayout::Orientation orientation) {
    const std::unique_ptr<QPrinter> printer = printerForJob(orientation);
    QPrintPreviewDialog dialog(printer.get(), QApplication::activeWindow());
    bool failed = false;
    // Asked for the preview pages and again when the user prints from the preview.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&view, &failed](QPrinter* target) {
        if (!printPictures(view, *target))
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
