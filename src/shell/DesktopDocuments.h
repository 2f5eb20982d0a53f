// Documents of the application folder that a menu opens: the embedded browser shows pages,
// pictures, text and PDF itself; any other file (a word processor document) goes to the desktop's
// own application for it, since the browser would only show an empty window.
#pragma once

#include <QString>

namespace tova {
class WebBrowser;
}

namespace Globals {

// Whether the embedded browser shows a file of this kind itself (judged by its MIME type).
bool BrowserShowsFile(const QString& filePath);

// Opens the file in a new browser window when the browser shows it, else with the desktop's default
// application for its kind. When the desktop has none, a message says so and where the file is.
void OpenDocument(const QString& filePath, tova::WebBrowser& browser);

} // namespace Globals
