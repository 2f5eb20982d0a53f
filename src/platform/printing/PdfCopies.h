// More than one copy of a printout in one PDF file. The engine writes a single copy; poppler's
// tools join copies of its pages without drawing them again, so their text stays text.
#pragma once

#include <QByteArray>

namespace tova::printing {

// pdf (of pageCount pages) repeated copies times: whole copies one after another when collate,
// else each page copies times before the next. Empty when a tool failed or did not end within
// timeoutMs.
QByteArray pdfWithCopies(const QByteArray& pdf, int pageCount, int copies, bool collate, int timeoutMs);

} // namespace tova::printing
