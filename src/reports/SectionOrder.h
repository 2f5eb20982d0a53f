// The order in which the scorecards and the per-section trend graph present the questionnaire's
// sections; set at start-up.
#pragma once

#include <QtGlobal>

#include <array>

namespace Globals {

// The section ids in the order the scorecards and the per-section trend graph present them.
extern std::array<qint16, 5> gSectionOrder;

} // namespace Globals
