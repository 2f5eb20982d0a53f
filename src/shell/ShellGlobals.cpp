#include "shell/ShellGlobals.h"

namespace Globals {

bool gIE6OrLater = true;
std::array<qint16, 5> gSectionOrder{2, 3, 1, 4, 0};
QString gWelcomePage;

} // namespace Globals
