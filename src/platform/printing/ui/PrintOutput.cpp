#include "platform/printing/ui/PrintOutput.h"

#include "platform/Services.h"
#include "platform/printing/ui/PrintedPages.h"
#include "platform/ui/BusyCursor.h"

#include <QApplication>
#include <QEventLoop>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>

namespace tova {

bool printOnPrinter(QWebEngineView& view, QPrinter& printer, int timeoutMs) {
    // The engine lays the page out for the printer's sheet (size, orientation, margins); the pages
    // are then put on the printer here, filling the sheet at its own orientation. A long question
    // list takes a while either way.
    const BusyCursor busy;
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
        printer.pageLayout());
    if (!outcome->finished) {
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return outcome->finished && !outcome->pdf.isEmpty() && paintPrintedPages(outcome->pdf, printer);
}

std::unique_ptr<QPrinter> printerForJob(QPageLayout::Orientation orientation) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageOrientation(orientation);
    return printer;
}

PrintOutcome QtPrintOutput::print(QWebEngineView& view, QPageLayout::Orientation orientation) {
    const std::unique_ptr<QPrinter> printer = printerForJob(orientation);
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
        if (!printOnPrinter(view, *target))
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
