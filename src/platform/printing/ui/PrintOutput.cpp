#include "platform/printing/ui/PrintOutput.h"

#include "platform/AwaitAnswer.h"
#include "platform/Services.h"
#include "platform/Wait.h"
#include "platform/browser/ui/ScriptValue.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/dialogs/ui/FileListsByName.h"
#include "platform/printing/GrayPage.h"
#include "platform/printing/PdfCopies.h"
#include "platform/printing/ui/PrintRanges.h"
#include "platform/printing/ui/PrintedPages.h"
#include "platform/ui/BusyCursor.h"

#include <QApplication>
#include <QPageRanges>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QWebEnginePage>
#include <QWebEngineView>

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

// The engine's PDF of the asked pages (all of the printout when no range is asked), with the copies
// the printer asks for; empty when it cannot be made.
QByteArray pdfForFile(QWebEngineView& view, const QPrinter& printer, const QByteArray& whole, int pageCount,
                      int timeoutMs) {
    QByteArray pdf = whole;
    if (!printer.pageRanges().isEmpty()) {
        pdf = enginePdf(view, printing::withPrintMargins(printer.pageLayout()),
                        printing::rangesWithin(printer.pageRanges(), pageCount), timeoutMs);
        pageCount = pdfPageCount(pdf);
    }
    if (pdf.isEmpty() || printer.copyCount() <= 1)
        return pdf;
    return printing::pdfWithCopies(pdf, pageCount, printer.copyCount(), printer.collateCopies(), timeoutMs);
}

// The view's page in grey for a printer set to grayscale, for as long as the scope lasts: every route
// (a PDF file, paper, the preview) prints the same greys, and the page shows its own colours again
// for the next print.
class GrayPageScope {
public:
    GrayPageScope(QWebEngineView& view, const QPrinter& printer, int timeoutMs) : m_page(*view.page()) {
        if (printer.colorMode() != QPrinter::GrayScale)
            return;
        m_grey = true;
        m_ready = evaluateScript(m_page, printing::grayPageScript(), timeoutMs).value_or(false).toBool() &&
                  waitWhile(
                      [this] {
                          const std::optional<QVariant> pending =
                              evaluateScript(m_page, printing::grayPicturesPendingScript(), kPageWaitMs);
                          return !pending || pending->toInt() != 0;
                      },
                      timeoutMs);
    }
    ~GrayPageScope() {
        if (m_grey)
            evaluateScript(m_page, printing::colourPageScript(), kPageWaitMs);
    }
    GrayPageScope(const GrayPageScope&) = delete;
    GrayPageScope& operator=(const GrayPageScope&) = delete;

    // False when the page could not be turned grey in time.
    bool ready() const { return m_ready; }

private:
    QWebEnginePage& m_page;
    bool m_grey = false;
    bool m_ready = true;
};

bool writePdfFile(QWebEngineView& view, QPrinter& printer, const QByteArray& whole, int pageCount, int timeoutMs) {
    const QByteArray pdf = pdfForFile(view, printer, whole, pageCount, timeoutMs);
    if (pdf.isEmpty())
        return false;
    // Written whole or not at all: a failed print leaves an earlier file of the name as it was.
    QSaveFile file(printer.outputFileName());
    return file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size() && file.commit();
}

// The whole printout laid out by the engine for the printer's sheet, clear of its edges.
QByteArray laidOutPages(QWebEngineView& view, const QPrinter& printer, int timeoutMs) {
    return enginePdf(view, printing::withPrintMargins(printer.pageLayout()), {}, timeoutMs);
}

} // namespace

bool writesPdfFile(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

PrintOutcome printOnPrinter(QWebEngineView& view, QPrinter& printer, int timeoutMs) {
    int pageCount = 0;
    {
        // A long question list takes a while on either route.
        const BusyCursor busy;
        // The engine writes the page's own colours; grayscale greys the page first, so that a file's
        // text stays text.
        const GrayPageScope grey(view, printer, timeoutMs);
        if (!grey.ready())
            return PrintOutcome::Failed;
        const QByteArray whole = laidOutPages(view, printer, timeoutMs);
        pageCount = pdfPageCount(whole);
        if (pageCount == 0)
            return PrintOutcome::Failed;
        const bool anyPageAsked =
            printer.pageRanges().isEmpty() || !printing::rangesWithin(printer.pageRanges(), pageCount).isEmpty();
        if (anyPageAsked) {
            const bool printed = writesPdfFile(printer) ? writePdfFile(view, printer, whole, pageCount, timeoutMs)
                                                        : paintPrintedPages(whole, printer);
            return printed ? PrintOutcome::Done : PrintOutcome::Failed;
        }
    }
    // Told with the pointer back, as the user has to answer it.
    MsgBox(printing::noPageInRangeText(printer.pageRanges(), pageCount), MsgButtons::Ok, MsgIcon::Exclamation,
           QStringLiteral("Print"));
    return PrintOutcome::Told;
}

bool printPictures(QWebEngineView& view, QPrinter& printer, int timeoutMs) {
    const BusyCursor busy;
    const GrayPageScope grey(view, printer, timeoutMs);
    if (!grey.ready())
        return false;
    const QByteArray pdf = laidOutPages(view, printer, timeoutMs);
    return !pdf.isEmpty() && paintPrintedPages(pdf, printer);
}

std::unique_ptr<QPrinter> printerForJob(QPageLayout::Orientation orientation) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageOrientation(orientation);
    // The dialog shows the margins the printout keeps.
    printer->setPageLayout(printing::withPrintMargins(printer->pageLayout()));
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
    // The output file's completion and its browse button list files.
    const FileListsByName byName;
    QPrintDialog dialog(printer.get(), QApplication::activeWindow());
    m_open = &dialog;
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_open = nullptr;
    if (!accepted)
        return PrintOutcome::Cancelled;
    return printOnPrinter(view, *printer);
}

PrintOutcome QtPrintOutput::preview(QWebEngineView& view, QPageLayout::Orientation orientation,
                                    const QString& pdfFile) {
    // The preview's print button opens the print dialog on this printer: it proposes what File >
    // Print proposes.
    const std::unique_ptr<QPrinter> printer = printerForDialog(orientation, pdfFile);
    const FileListsByName byName;
    QPrintPreviewDialog dialog(printer.get(), QApplication::activeWindow());
    bool failed = false;
    // Asked for the preview pages, which are drawn into pictures of the pages, and again when the
    // user prints from the preview, which then takes the print dialog's route.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&view, &failed](QPrinter* target) {
        const QPaintEngine* engine = target->paintEngine();
        const bool previewing = engine && engine->type() == QPaintEngine::Picture;
        if (previewing ? !printPictures(view, *target) : printOnPrinter(view, *target) == PrintOutcome::Failed)
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
