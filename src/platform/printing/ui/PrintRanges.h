// The sheet a printout is laid out on and the pages of it that a print puts out: the margins that
// keep printed text clear of where printers cut, and the print dialog's page range held against the
// pages the printout has.
#pragma once

#include <QPageLayout>
#include <QPageRanges>
#include <QString>

namespace tova::printing {

// The layout with every margin at least 10 mm, each in whole points (as the engine lays pages out);
// margins already wider (the printer's own, or the user's) are kept, rounded up to a whole point.
QPageLayout withPrintMargins(QPageLayout layout);

// The asked ranges cut to the pages the printout has; empty when none of its pages is asked for.
// The engine refuses a range past the last page, where the dialog lets the user type any.
QPageRanges rangesWithin(const QPageRanges& asked, int pageCount);

// What the user is told when the asked ranges hold none of the printout's pages.
QString noPageInRangeText(const QPageRanges& asked, int pageCount);

} // namespace tova::printing
