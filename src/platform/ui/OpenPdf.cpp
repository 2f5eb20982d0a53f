#include "platform/ui/OpenPdf.h"

#include "platform/PageServices.h"
#include "platform/ui/frmInstallReader.h"

#include <QApplication>

namespace Globals {

void OpenPDF(const QString& url, tova::WebBrowser& browser, bool newWindow, const QString& frameName) {
    OpenPDFWith(url, browser, newWindow, frameName, PdfHandlerRegistered(),
                [] { frmInstallReader::showModal(QApplication::activeWindow()); });
}

} // namespace Globals
