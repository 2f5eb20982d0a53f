// Small services every window uses: paths as browser addresses, writing a generated page and
// showing it, waiting for a page or frame, calling a page's highlighting script, opening PDF links.
#pragma once

#include <QString>

#include <functional>

namespace tova {
class WebBrowser;
}

namespace Globals {

// A file path as a file URL, every character that means something in an address ("#", "?", "%",
// blanks, ...) escaped, so that any folder name reaches the page it names. A text that already
// starts with "file:///" is an address: only its blanks become "%20" and its backslashes "/", so
// its "#" and "?" keep their meaning.
QString PathToURL(const QString& path);

// Writes html followed by CR LF as UTF-8 to filePath (empty: the application folder's file named
// after the browser control, with ".html"), replacing the file whole. When navigate is true, waits
// (bounded) while the browser is busy, then shows navPath's URL or, without navPath, the file.
// False when the file could not be written; the browser is then left alone.
bool WriteHTMLAndShow(const QString& html, tova::WebBrowser& browser, const QString& filePath, const QString& navPath,
                      bool navigate);

// Waits (bounded) for the browser's page, then calls the page script findAndHighlight: in frame
// "side" with the key, in any other case in the top window with "#" and the key.
void FindAndHighlight(const QString& key, tova::WebBrowser& browser, const QString& frameName);

// True while the named frame's document is not complete, also while it cannot be reached.
bool IsFrameLoading(tova::WebBrowser& browser, const QString& frameName);

// True when a program is registered for PDF documents.
bool PdfHandlerRegistered();

// Opens a PDF document in the browser (in a new window with newWindow, else in frameName) when
// handlerRegistered; otherwise calls offerReader and navigates nowhere.
void OpenPDFWith(const QString& url, tova::WebBrowser& browser, bool newWindow, const QString& frameName,
                 bool handlerRegistered, const std::function<void()>& offerReader);

} // namespace Globals
