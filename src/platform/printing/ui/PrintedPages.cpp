#include "platform/printing/ui/PrintedPages.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>

#include <algorithm>

namespace tova {

namespace {

// Resolution at which pages are turned into pictures for the printer: sharp on paper, and a
// preview of many pages still comes up quickly.
constexpr qreal kPictureDpi = 300.0;

// The sheet in the painter's coordinates: the painter starts at the printable area's corner
// unless the printer paints the full page.
QRectF sheetRect(QPrinter& printer) {
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    return printer.fullPage() ? paper : paper.translated(-page.topLeft());
}

// The pages to put out, in order, 0-based: the printer's range (all when it names none) and order.
QList<int> pageSequence(const QPrinter& printer, int pageCount) {
    int first = printer.fromPage() > 0 ? printer.fromPage() : 1;
    int last = printer.toPage() > 0 ? printer.toPage() : pageCount;
    first = std::max(first, 1);
    last = std::min(last, pageCount);
    QList<int> pages;
    for (int page = first; page <= last; ++page)
        pages.append(page - 1);
    if (printer.pageOrder() == QPrinter::LastPageFirst)
        std::reverse(pages.begin(), pages.end());
    return pages;
}

} // namespace

bool paintPrintedPages(const QByteArray& pdf, QPrinter& printer) {
    QByteArray data = pdf;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QPdfDocument document;
    document.load(&buffer);
    if (document.status() != QPdfDocument::Status::Ready || document.pageCount() < 1)
        return false;

    const QList<int> pages = pageSequence(printer, document.pageCount());
    if (pages.isEmpty())
        return false;
    // A printer that makes copies itself gets one; else each copy is painted.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF sheet = sheetRect(printer);
    const qreal pictureScale = std::min<qreal>(1.0, kPictureDpi / printer.resolution());
    bool first = true;
    for (int copy = 0; copy < copies; ++copy) {
        for (const int page : pages) {
            if (!first && !printer.newPage())
                return false;
            first = false;
            // The engine laid the page out at the sheet's size; fit it without distortion all the same.
            const QSizeF fitted = document.pagePointSize(page).scaled(sheet.size(), Qt::KeepAspectRatio);
            const QImage picture = document.render(page, (fitted * pictureScale).toSize());
            if (picture.isNull())
                return false;
            painter.drawImage(QRectF(sheet.topLeft(), fitted), picture);
        }
    }
    return painter.end();
}

} // namespace tova
