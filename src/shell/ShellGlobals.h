// The process-wide values the shell sets at start-up and the rest of the program reads.
#pragma once

#include <QString>

namespace Globals {

// True when the browser engine is new enough for print previews.
extern bool gIE6OrLater;
// The full path of the welcome page.
extern QString gWelcomePage;

} // namespace Globals
