// What a printout put on paper: each sheet of a PDF file rasterised at low resolution, with the
// box that its drawn content covers and the text it carries. Lets tests check page counts,
// orientation, how much of the printable area a printout fills and what a reader can search.
#pragma once

#include <QImage>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace tova::test {

struct PrintedSheet {
    QSizeF size;  // the sheet in points
    QRectF inked; // the box of everything drawn on it, in points from the sheet's top left; empty when blank
    // The report's own content: on the first sheet, what is drawn from its first line of text down,
    // without the header picture that stands above it (empty without text); on later sheets, inked.
    QRectF content;
    QString text;          // the sheet's words in reading order, a blank between two
    QStringList lines;     // the sheet's lines of text from top to bottom, words a blank apart
    bool coloured = false; // something on it is drawn in a colour other than a grey
};

// The sheets of the PDF file; empty when the file cannot be read or pdftoppm or pdftotext is missing.
QList<PrintedSheet> printedSheets(const QString& pdfPath);

// Each sheet of the PDF file as a picture at dpi dots to the inch; empty when it cannot.
QList<QImage> sheetPictures(const QString& pdfPath, int dpi);

// The paper left clear of ink along each edge of each sheet of the PDF file, in millimetres, measured
// at 600 dots to the inch (up to 20 mm: a margin of 20 mm or more reads 20); empty when it cannot.
QList<QMarginsF> clearOfEdgesMm(const QString& pdfPath);

// A picture placed in a PDF file: its pixels and how many of them make an inch on paper.
struct PlacedPicture {
    int page = 0; // from 1
    QSize pixels;
    double pixelsPerInch = 0.0;
};

// The pictures of the PDF file, as pdfimages lists them; empty when it cannot.
QList<PlacedPicture> placedPictures(const QString& pdfPath);

// The margins, in points, of the printer a job starts from at this orientation: the sheet's area
// inside them is what a printout can fill.
QMarginsF jobMargins(QPageLayout::Orientation orientation);

// How much of the printable width (the sheet's width less the job's margins) the boxes of all
// sheets (inked or content) span together, from 0 to 1.
double widthShare(const QList<PrintedSheet>& sheets, QPageLayout::Orientation orientation,
                  QRectF PrintedSheet::*box = &PrintedSheet::inked);

} // namespace tova::test
