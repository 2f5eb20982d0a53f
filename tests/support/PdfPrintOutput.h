// A print output for tests: every print or preview job becomes a PDF file in a folder, without a
// dialog, and is recorded. A print is written as the print dialog's print to file writes it; a
// preview as the preview window draws it (the pictures paper gets). Installed in the services
// for the lifetime of the object.
#pragma once

#include "platform/printing/ui/PrintOutput.h"

#include <QList>
#include <QPageSize>
#include <QString>

#include <functional>

namespace tova::test {

struct PrintJob {
    bool preview = false;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QString pdfPath;
    bool finished = false; // the job has returned (its file, if any, is complete)
    // The text of the page file the job printed, markup taken out.
    QString pageText;
    // The file a print to file proposed.
    QString proposedPdfFile;
};

class PdfPrintOutput final : public PrintOutput {
public:
    explicit PdfPrintOutput(const QString& folder);
    ~PdfPrintOutput() override;
    PdfPrintOutput(const PdfPrintOutput&) = delete;
    PdfPrintOutput& operator=(const PdfPrintOutput&) = delete;

    PrintOutcome print(QWebEngineView& view, QPageLayout::Orientation orientation, const QString& pdfFile) override;
    PrintOutcome preview(QWebEngineView& view, QPageLayout::Orientation orientation, const QString& pdfFile) override;

    // Runs inside each job, before the PDF is written, with the view that holds the page.
    std::function<void(QWebEngineView&)> duringJob;
    // Grayscale chosen in the print dialog.
    bool grayscale = false;
    // The paper chosen in the print dialog's properties; the printer's own when not valid.
    QPageSize paper;
    // What a job answers instead of writing a PDF (Done writes it).
    PrintOutcome answer = PrintOutcome::Done;

    QList<PrintJob> jobs;

private:
    PrintOutcome run(QWebEngineView& view, QPageLayout::Orientation orientation, bool preview, const QString& pdfFile);
    PrintOutcome writePdf(QWebEngineView& view, QPageLayout::Orientation orientation, const QString& path,
                          bool preview);
    QString m_folder;
    PrintOutput* m_previous;
};

// The page size of a PDF's first page in points, as its MediaBox gives it; empty when not found.
QSizeF pdfPageSize(const QString& pdfPath);

} // namespace tova::test
