// The process-wide values the shell sets at start-up and the rest of the program reads.
#pragma once

#include <QString>

#include <array>

namespace Globals {

// True when the browser engine is new enough for print previews.
extern bool gIE6OrLater;
// The section ids in the order the scorecards and the per-section trend graph present them.
extern std::array<qint16, 5> gSectionOrder;
// The full path of the welcome page.
extern QString gWelcomePage;

} // namespace Globals
