// The start-up check of the browser engine's version: an old engine disables the print previews
// and offers the installation of a newer one.
#pragma once

#include <QtGlobal>

namespace Globals {

// Sets gIE6OrLater from the major version; below 6 asks whether to install a newer browser and, on
// Yes, starts its installer. True when the program is to end instead of starting.
bool CheckBrowserVersion(qint16 majorVersion);

} // namespace Globals
