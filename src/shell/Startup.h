// The program's entry procedure. Both functions are defined in ui/Startup.cpp: they open windows.
#pragma once

namespace Globals {

// Runs start-up in order and shows the main window. False when the program is to end at once.
bool Main();

// Runs the intro program of the content folder, when there is one, and waits for it to end.
void PlayIntroMovie();

} // namespace Globals
