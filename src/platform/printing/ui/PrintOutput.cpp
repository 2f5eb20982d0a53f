#include "platform/printing/ui/PrintOutput.h"

#include "platform/Services.h"

#include <QApplication>
#include <QEventLoop>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>
#include <QWebEngineView>

#include <memory>

namespace tova {

bool printOnPrinter(QWebEngineView& view, QPrinter& printer, int timeoutMs) {
    struct Outcome {
        bool finished = false;
        bool ok = false;
    };
    auto outcome = std::make_shared<Outcome>();
    QEventLoop loop;
    const QMetaObject::Connection connection =
        QObject::connect(&view, &QWebEngineView::printFinished, &loop, [outcome, &loop](bool ok) {
            outcome->finished = true;
            outcome->ok = ok;
            loop.quit();
        });
    view.print(&printer);
    if (!outcome->finished) {
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    QObject::disconnect(connection);
    return outcome->finished && outcome->ok;
}

namespace {

std::unique_ptr<QPrinter> defaultPrinter(QPageLayout::Orientation orientation) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageOrientation(orientation);
    return printer;
}

} // namespace

PrintOutcome QtPrintOutput::print(QWebEngineView& view, QPageLayout::Orientation orientation) {
    const std::unique_ptr<QPrinter> printer = defaultPrinter(orientation);
    QPrintDialog dialog(printer.get(), QApplication::activeWindow());
    m_open = &dialog;
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_open = nullptr;
    if (!accepted)
        return PrintOutcome::Cancelled;
    return printOnPrinter(view, *printer) ? PrintOutcome::Done : PrintOutcome::Failed;
}

PrintOutcome QtPrintOutput::preview(QWebEngineView& view, QPageLayout::Orientation orientation) {
    const std::unique_ptr<QPrinter> printer = defaultPrinter(orientation);
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
