// A printout as the engine hands it over to be put on a printer (pages of the sheet's size in
// PDF, drawn by the caller), and a printer that writes what it gets to a PDF file.
#pragma once

#include "platform/printing/ui/PrintOutput.h"

#include <QBuffer>
#include <QByteArray>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRect>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace tova::test {

// Draws one page; printable is the page's area inside its margins, in the painter's pixels.
using DrawPage = std::function<void(QPainter& painter, const QRect& printable, int page)>;

inline QByteArray laidOutPdf(const QPageLayout& layout, int pages, const DrawPage& draw) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(layout);
    QPainter painter(&writer);
    const QRect printable(QPoint(0, 0), writer.pageLayout().paintRectPixels(writer.resolution()).size());
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        draw(painter, printable, page);
    }
    painter.end();
    return pdf;
}

// The printer a job starts from, writing a PDF file in a folder of its own.
struct PdfPrinter {
    explicit PdfPrinter(QPageLayout::Orientation orientation) : printer(printerForJob(orientation)) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path());
    }
    QString path() const { return folder.filePath(QStringLiteral("out.pdf")); }
    QTemporaryDir folder;
    std::unique_ptr<QPrinter> printer;
};

} // namespace tova::test
