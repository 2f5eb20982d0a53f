// Putting laid-out pages on a printer: each page fills the sheet at the printer's orientation, the
// printer's page range is kept, and data that is no printout is refused.
#include "platform/printing/ui/PrintedPages.h"
#include "platform/printing/ui/PrintOutput.h"
#include "support/LaidOutPages.h"
#include "support/PrintedSheets.h"

#include <QPainter>
#include <QPrinter>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

// A printout as the engine hands it over: pages of the sheet's size, each inked edge to edge
// inside the margins.
QByteArray laidOutPages(const QPageLayout& layout, int pages) {
    return laidOutPdf(layout, pages, [](QPainter& painter, const QRect& printable, int) {
        painter.fillRect(printable, Qt::darkGray);
    });
}

} // namespace

TEST(PrintedPages, EachPageFillsThePrintableAreaAtThePrintersOrientation) {
    struct Case {
        QPageLayout::Orientation orientation;
        double margin; // points; 0 keeps the printer's own
    };
    // Wide margins stand for a printer whose hardware cannot print near the sheet's edge.
    for (const Case c : {Case{QPageLayout::Landscape, 0}, Case{QPageLayout::Portrait, 0},
                         Case{QPageLayout::Landscape, 36}, Case{QPageLayout::Portrait, 36}}) {
        const QPageLayout::Orientation orientation = c.orientation;
        PdfPrinter target(orientation);
        if (c.margin > 0)
            target.printer->setPageMargins(QMarginsF(c.margin, c.margin, c.margin, c.margin), QPageLayout::Point);
        ASSERT_TRUE(paintPrintedPages(laidOutPages(target.printer->pageLayout(), 2), *target.printer));
        const QList<PrintedSheet> sheets = printedSheets(target.path());
        ASSERT_EQ(sheets.size(), 2) << orientation;
        const QRectF printable = target.printer->pageLayout().paintRect(QPageLayout::Point);
        for (const PrintedSheet& sheet : sheets) {
            EXPECT_EQ(sheet.size.width() > sheet.size.height(), orientation == QPageLayout::Landscape);
            // Within two low resolution pixels (7.2 points) of the printable area on every side: the
            // picture's soft edge can ink the pixel next to it.
            EXPECT_NEAR(sheet.inked.left(), printable.left(), 8.0) << orientation;
            EXPECT_NEAR(sheet.inked.top(), printable.top(), 8.0) << orientation;
            EXPECT_NEAR(sheet.inked.right(), printable.right(), 8.0) << orientation;
            EXPECT_NEAR(sheet.inked.bottom(), printable.bottom(), 8.0) << orientation;
        }
        if (c.margin == 0)
            EXPECT_GE(widthShare(sheets, orientation), 0.98);
    }
}

TEST(PrintedPages, OnlyWhatThePageDrawsIsPrinted) {
    // A page that paints a white block (as a table's background is) and a dark box inside it,
    // leaving the rest of its paper unpainted: only the dark box may be inked, with no frame
    // around the painted part.
    PdfPrinter target(QPageLayout::Portrait);
    QRectF drawn;
    const QByteArray pdf =
        laidOutPdf(target.printer->pageLayout(), 1, [&](QPainter& painter, const QRect& printable, int) {
            painter.fillRect(printable.adjusted(printable.width() / 8, printable.height() / 8, -printable.width() / 8,
                                                -printable.height() / 8),
                             Qt::white);
            const QRect box(printable.center() - QPoint(printable.width() / 8, printable.height() / 8),
                            printable.size() / 4);
            painter.fillRect(box, Qt::black);
            // In points on the sheet: the painter's pixels start at the printable area's corner.
            const double pointsPerPixel = 72.0 / painter.device()->logicalDpiX();
            drawn = QRectF(QPointF(box.topLeft()) * pointsPerPixel, QSizeF(box.size()) * pointsPerPixel)
                        .translated(target.printer->pageLayout().paintRect(QPageLayout::Point).topLeft());
        });
    ASSERT_TRUE(paintPrintedPages(pdf, *target.printer));
    const QList<PrintedSheet> sheets = printedSheets(target.path());
    ASSERT_EQ(sheets.size(), 1);
    const QRectF inked = sheets.first().inked;
    EXPECT_NEAR(inked.left(), drawn.left(), 8.0);
    EXPECT_NEAR(inked.top(), drawn.top(), 8.0);
    EXPECT_NEAR(inked.right(), drawn.right(), 8.0);
    EXPECT_NEAR(inked.bottom(), drawn.bottom(), 8.0);
}

TEST(PrintedPages, PageRangeOfThePrinterIsKept) {
    struct Case {
        const char* name;
        int from, to;
        QPrinter::PageOrder order;
        int sheets;
    };
    const Case cases[] = {
        {"all pages", 0, 0, QPrinter::FirstPageFirst, 3},
        {"pages 2 to 3", 2, 3, QPrinter::FirstPageFirst, 2},
        {"range past the end", 3, 9, QPrinter::FirstPageFirst, 1},
        {"all pages, last first", 0, 0, QPrinter::LastPageFirst, 3},
    };
    for (const Case& c : cases) {
        PdfPrinter target(QPageLayout::Landscape);
        target.printer->setFromTo(c.from, c.to);
        target.printer->setPageOrder(c.order);
        ASSERT_TRUE(paintPrintedPages(laidOutPages(target.printer->pageLayout(), 3), *target.printer)) << c.name;
        EXPECT_EQ(printedSheets(target.path()).size(), c.sheets) << c.name;
    }
}

TEST(PrintedPages, DataThatIsNoPrintoutIsRefused) {
    for (const QByteArray& data : {QByteArray(), QByteArray("not a printout"), QByteArray("%PDF-1.4\n%%EOF")}) {
        PdfPrinter target(QPageLayout::Portrait);
        EXPECT_FALSE(paintPrintedPages(data, *target.printer)) << data.toStdString();
    }
}
