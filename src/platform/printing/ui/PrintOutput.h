// How a loaded page leaves the program: on paper or into a PDF file through the print dialog, or
// in the print preview window. The program uses the Qt dialogs; tests install an output that needs
// no dialog.
#pragma once

#include <QPageLayout>
#include <QPointer>
#include <QString>

#include <memory>

class QDialog;
class QPrinter;
class QWebEngineView;

namespace tova {

// Bound for the engine to lay out and hand over a printout.
constexpr int kPrintWaitMs = 120000;

// Told: nothing was printed, and the user has been told why.
enum class PrintOutcome { Done, Cancelled, Failed, Told };

class PrintOutput {
public:
    virtual ~PrintOutput() = default;
    // Prints the view's loaded page in the given orientation; the paper size stays the printer's.
    // pdfFile is the file a print to file proposes (empty: the dialog's own proposal).
    virtual PrintOutcome print(QWebEngineView& view, QPageLayout::Orientation orientation, const QString& pdfFile) = 0;
    // Shows the page as it would print, until the user closes the preview. A print started from
    // the preview is a print as above, proposing pdfFile in the same way.
    virtual PrintOutcome preview(QWebEngineView& view, QPageLayout::Orientation orientation,
                                 const QString& pdfFile) = 0;
    // Closes a dialog this output has open, so that a job under way ends (the program is exiting).
    virtual void closeDialogs() {}
};

// The printer a job starts from before the user's choices: the default printer, its paper in the
// job's orientation.
std::unique_ptr<QPrinter> printerForJob(QPageLayout::Orientation orientation);

// The printer the print dialog starts from: printerForJob's, proposing pdfFile (when not empty)
// for a print to file while the default printer stays the one chosen.
std::unique_ptr<QPrinter> printerForDialog(QPageLayout::Orientation orientation, const QString& pdfFile);

// Whether the printer writes a PDF file (the print dialog's print to file).
bool writesPdfFile(const QPrinter& printer);

// Prints the view's page onto the printer as the print dialog left it, waiting at most timeoutMs
// for the engine, the text kept clear of the sheet's edges (withPrintMargins). A printer that writes
// a PDF file gets the engine's own PDF for the printer's page layout and page range, so its text
// stays text (one copy: the file is the document, its reader prints copies); any other printer gets
// the pages as pictures (printPictures). Failed when the engine reports a failure, the bound is
// reached or the file cannot be written; Told when the page range holds no page of the printout.
// Either route keeps to the printer's colour mode.
PrintOutcome printOnPrinter(QWebEngineView& view, QPrinter& printer, int timeoutMs = kPrintWaitMs);

// The route of paper and the preview: the engine lays the page out for the printer's sheet (size,
// orientation, margins) and the pages are drawn onto the printer as pictures filling it.
bool printPictures(QWebEngineView& view, QPrinter& printer, int timeoutMs = kPrintWaitMs);

// The print dialog and the print preview window of the default printer.
class QtPrintOutput final : public PrintOutput {
public:
    PrintOutcome print(QWebEngineView& view, QPageLayout::Orientation orientation, const QString& pdfFile) override;
    PrintOutcome preview(QWebEngineView& view, QPageLayout::Orientation orientation, const QString& pdfFile) override;
    void closeDialogs() override;

private:
    QPointer<QDialog> m_open;
};

// The output installed in the services, else the Qt dialogs (fallback).
PrintOutput& printOutput(PrintOutput& fallback);

} // namespace tova
