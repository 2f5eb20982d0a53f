// The end of the program: every window goes, and with it every browser page, while the web engine
// and its profile are still there. A page left for the application object's own teardown would
// outlive the profile, which the engine reports as trouble.
#pragma once

namespace tova {

// Deletes every window that still exists (shown or hidden), after the windows already handed to
// deleteLater. Run after the event loop has ended, before the application object goes.
void deleteAllWindows();

} // namespace tova
