#include "platform/printing/ui/frmPrinter.h"

#include "platform/PageServices.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/printing/BackgroundPrinting.h"
#include "platform/printing/ui/PrintOutput.h"
#include "platform/printing/ui/PrintWindow.h"
#include "platform/ui/BusyCursor.h"

#include <QPointer>

#include <memory>

namespace frmPrinter {

namespace {

// The job under way: its window and where its output goes.
struct Job {
    QPointer<tova::PrintWindow> window;
    tova::PrintOutput* output = nullptr;
};

Job& currentJob() {
    static Job job;
    return job;
}

void reportFailure() {
    tova::MsgBox(QStringLiteral("Error: Unable to perform action."), tova::MsgButtons::Ok, tova::MsgIcon::Critical,
                 QStringLiteral("Error"));
}

} // namespace

void PrintHTMLDoc(const QString& filePath, bool bHeader, bool bPreview, bool bLandscape, const QString& pdfFile) {
    Job& job = currentJob();
    // One job at a time: a second print asked for while the first waits would share its settings.
    if (job.window) {
        reportFailure();
        return;
    }

    tova::printing::BackgroundPrintingScope background(bLandscape);
    tova::QtPrintOutput dialogs;
    tova::PrintOutput& output = tova::printOutput(dialogs);
    auto window = std::make_unique<tova::PrintWindow>();
    job.window = window.get();
    job.output = &output;
    window->setPrintBackgrounds(bLandscape);

    const QPageLayout::Orientation orientation = bLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    tova::PrintOutcome outcome = tova::PrintOutcome::Failed;
    bool ready = false;
    {
        // The dialog that follows is the user's to answer, so the busy cursor covers only the page load.
        const tova::BusyCursor busy;
        ready = window->load(Globals::PathToURL(filePath)) && (!bHeader || window->insertHeader());
    }
    if (ready)
        outcome = bPreview ? output.preview(window->WebBrowser1(), orientation, pdfFile)
                           : output.print(window->WebBrowser1(), orientation, pdfFile);

    const bool ended = window->aborted();
    background.restore();
    // The window goes before anything else runs, so a printout still on its way has nowhere to go.
    window.reset();
    job = Job{};
    if (outcome == tova::PrintOutcome::Failed && !ended)
        reportFailure();
}

void Unload() {
    Job& job = currentJob();
    if (!job.window)
        return;
    job.window->abort();
    if (job.output)
        job.output->closeDialogs();
}

} // namespace frmPrinter
