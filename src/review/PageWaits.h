// Waiting for a page that replaces the one on display. The browser may still report the old
// document as complete right after a navigation was asked for, so the old document is marked
// first and the wait lasts until a document without the mark has loaded.
#pragma once

#include <QString>

namespace tova {
class WebBrowser;
}

namespace tova::review {

// Marks the document of a frame (empty: the top window) as about to be replaced.
void markDocumentStale(WebBrowser& browser, const QString& frameName);

// Waits (bounded) until the frame (empty: the top page) shows a document without the mark and has
// finished loading. False when the bound was reached.
bool waitForFreshDocument(WebBrowser& browser, const QString& frameName, int timeoutMs);

} // namespace tova::review
