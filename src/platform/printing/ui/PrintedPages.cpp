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

// PDF data opened as a document; the document reads from the buffer for as long as it is open.
struct LoadedPages {
    explicit LoadedPages(const QByteArray& pdf) : data(pdf), buffer(&data) {
        buffer.open(QIODevice::ReadOnly);
        document.load(&buffer);
    }
    // False when the data holds no readable page.
    bool ready() const { return document.status() == QPdfDocument::Status::Ready && document.pageCount() > 0; }
    QByteArray data;
    QBuffer buffer;
    QPdfDocument document;
};

// The page as a picture on white paper. The engine leaves the paper unpainted; a picture with
// see-through parts would carry a mask, whose soft edge prints as a grey frame around the page.
QImage pagePicture(QPdfDocument& document, int page, const QSize& size) {
    const QImage rendered = document.render(page, size);
    if (rendered.isNull())
        return rendered;
    QImage paper(rendered.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    painter.drawImage(0, 0, rendered);
    return paper;
}

} // namespace

int pdfPageCount(const QByteArray& pdf) {
    const LoadedPages pages(pdf);
    return pages.ready() ? pages.document.pageCount() : 0;
}

bool paintPrintedPages(const QByteArray& pdf, QPrinter& printer) {
    LoadedPages loaded(pdf);
    if (!loaded.ready())
        return false;
    QPdfDocument& document = loaded.document;

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
            QImage picture = pagePicture(document, page, (fitted * pictureScale).toSize());
            if (picture.isNull())
                return false;
            // Whatever the printer does with the mode, grayscale pages leave here grey.
            if (printer.colorMode() == QPrinter::GrayScale)
                picture = picture.convertToFormat(QImage::Format_Grayscale8);
            painter.drawImage(QRectF(sheet.topLeft(), fitted), picture);
        }
    }
    return painter.end();
}

} // namespace tova
