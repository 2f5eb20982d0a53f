// The program's entry procedure.
#pragma once

namespace Globals {

// Runs start-up in order and shows the main window. False when the program is to end at once.
bool Main();

} // namespace Globals
