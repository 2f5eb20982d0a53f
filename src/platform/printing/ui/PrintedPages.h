// Puts a printout that the browser engine has laid out (its pages as PDF data) onto a printer:
// paper and the preview window.
#pragma once

#include <QByteArray>

class QPrinter;

namespace tova {

// Draws each page of the PDF data over the whole sheet of the printer, the sheet's margins
// coinciding with the margins the engine laid the page out with, so the content spans the
// printable area at the printer's orientation. Honours the printer's page range, page order and
// copies. False when the data cannot be read or the printer cannot be painted on.
bool paintPrintedPages(const QByteArray& pdf, QPrinter& printer);

// The number of pages in the PDF data; 0 when it cannot be read.
int pdfPageCount(const QByteArray& pdf);

} // namespace tova
