// Opening a PDF link, with the offer of a reader when none is registered.
#pragma once

#include <QString>

namespace tova {
class WebBrowser;
}

namespace Globals {

// Sends the browser to the PDF document (in a new window with newWindow, else in frameName) when a
// PDF handler is registered; otherwise shows the reader installation window.
void OpenPDF(const QString& url, tova::WebBrowser& browser, bool newWindow, const QString& frameName);

} // namespace Globals
