// How a loaded page leaves the program: on paper through the print dialog, or in the print
// preview window. The program uses the Qt dialogs; tests install an output that needs no dialog.
#pragma once

#include <QPageLayout>
#include <QPointer>

#include <memory>

class QDialog;
class QPrinter;
class QWebEngineView;

namespace tova {

// Bound for the engine to lay out and hand over a printout.
constexpr int kPrintWaitMs = 120000;

enum class PrintOutcome { Done, Cancelled, Failed };

class PrintOutput {
public:
    virtual ~PrintOutput() = default;
    // Prints the view's loaded page in the given orientation; the paper size stays the printer's.
    virtual PrintOutcome print(QWebEngineView& view, QPageLayout::Orientation orientation) = 0;
    // Shows the page as it would print, until the user closes the preview.
    virtual PrintOutcome preview(QWebEngineView& view, QPageLayout::Orientation orientation) = 0;
    // Closes a dialog this output has open, so that a job under way ends (the program is exiting).
    virtual void closeDialogs() {}
};

// The printer a job starts from before the user's choices: the default printer, its paper in the
// job's orientation.
std::unique_ptr<QPrinter> printerForJob(QPageLayout::Orientation orientation);

// Prints the view's page onto the printer, the route of paper, PDF file and preview alike: the
// engine lays the page out for the printer's sheet (waiting at most timeoutMs) and the pages are
// put on the printer filling it. False when the engine reports a failure or the bound is reached.
bool printOnPrinter(QWebEngineView& view, QPrinter& printer, int timeoutMs = kPrintWaitMs);

// The print dialog and the print preview window of the default printer.
class QtPrintOutput final : public PrintOutput {
public:
    PrintOutcome print(QWebEngineView& view, QPageLayout::Orientation orientation) override;
    PrintOutcome preview(QWebEngineView& view, QPageLayout::Orientation orientation) override;
    void closeDialogs() override;

private:
    QPointer<QDialog> m_open;
};

// The output installed in the services, else the Qt dialogs (fallback).
PrintOutput& printOutput(PrintOutput& fallback);

} // namespace tova
