// The script texts the browser control runs in its pages: the link hook injected into every
// document, and the small programs that reach a frame by name from the top window.
#pragma once

#include <QString>

namespace tova::pagescripts {

// Name under which the page's bridge object is published to the page's web channel.
inline constexpr const char* kBridgeName = "tovaBridge";

// Injected into every document (top and frames) when it is created. The top window opens the web
// channel; every window holds back plain link clicks that the page itself lets through and hands
// them to the bridge (frameLink), naming the document by a token.
QString linkHook();

// Runs one line of script in the named frame (empty: the top window) as that frame's own global
// code. Gives "ran", "submitted" (the line submitted a form) or "failed" (no such frame, or the
// line did not compile or threw).
QString execLine(const QString& line, const QString& frameName);

// True when the named frame exists, is not being replaced by a navigation we started, and its
// document's readyState is "complete".
QString frameComplete(const QString& frameName);

// The absolute address of url resolved against the named frame's document; "" without that frame.
QString resolveInFrame(const QString& url, const QString& frameName);

// Sends the named frame to an absolute address.
QString navigateFrame(const QString& address, const QString& frameName);

// Moves the window whose document carries the token the link hook gave it to an address.
QString followLink(const QString& address, const QString& token);

// Clears the marks navigateFrame leaves on frames it is replacing (after such a navigation was
// cancelled, the old document stays and is complete again).
QString clearNavigationMarks();

} // namespace tova::pagescripts
