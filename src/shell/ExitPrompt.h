// The question asked when the main window is closed.
#pragma once

namespace tova {

// Asks whether to save an unsaved project (Yes saves; a failed or cancelled save keeps the window)
// or, otherwise, whether to exit. True when the window may close.
bool confirmExit();

} // namespace tova
