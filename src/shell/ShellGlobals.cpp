#include "shell/ShellGlobals.h"

namespace Globals {

bool gIE6OrLater = true;
QString gWelcomePage;

} // namespace Globals
