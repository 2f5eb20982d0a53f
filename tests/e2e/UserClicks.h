// A user's click on a link: the pointer pressed and released over the place where the page shows
// the link, sent to the browser's input widget. Where the link is comes from the page's layout;
// nothing is clicked by script.
#pragma once

#include <QString>

namespace tova {
class WebBrowser;
}

namespace tova::test {

// Clicks the first link whose href attribute is exactly href, in the named frame of the browser's
// top page (empty: the top page). False when the link is not on screen or the page does not answer.
bool clickLinkOnScreen(WebBrowser& browser, const QString& frame, const QString& href);

} // namespace tova::test
