// What a printout put on paper: each sheet of a PDF file rasterised at low resolution, with the
// box that its drawn content covers. Lets tests check page counts, orientation and how much of
// the printable area a printout fills.
#pragma once

#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace tova::test {

struct PrintedSheet {
    QSizeF size;  // the sheet in points
    QRectF inked; // the box of everything drawn on it, in points from the sheet's top left; empty when blank
};

// The sheets of the PDF file; empty when the file cannot be read or pdftoppm is missing.
QList<PrintedSheet> printedSheets(const QString& pdfPath);

// The margins, in points, of the printer a job starts from at this orientation: the sheet's area
// inside them is what a printout can fill.
QMarginsF jobMargins(QPageLayout::Orientation orientation);

// How much of the printable width (the sheet's width less the job's margins) the drawn content of
// all sheets spans together, from 0 to 1.
double inkedWidthShare(const QList<PrintedSheet>& sheets, QPageLayout::Orientation orientation);

} // namespace tova::test
