// Printing and print preview of one HTML file of the application folder, in landscape with
// background colours and pictures or in portrait without them, optionally under the header picture.
#pragma once

#include <QString>

namespace frmPrinter {

// Prints (or, with bPreview, previews) the file; bHeader puts the header picture above the page.
// pdfFile is the file a print to file proposes (empty: the print dialog's own proposal).
// The background-printing setting is switched for the job and put back afterwards. Failures are
// reported to the user ("Error: Unable to perform action.", or why nothing was printed when that is
// known), never to the caller.
void PrintHTMLDoc(const QString& filePath, bool bHeader, bool bPreview, bool bLandscape,
                  const QString& pdfFile = QString());

// Ends a print job under way, if any (the program is exiting): its dialog closes and its window
// goes.
void Unload();

} // namespace frmPrinter
