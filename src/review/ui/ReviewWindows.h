// Puts the questionnaire window and the project and review dialogs at the main window's disposal.
#pragma once

namespace tova {

// Registers the questionnaire window and the review dialogs in windowRegistry(). The windows
// themselves are created on first use.
void installReviewWindows();

// Deletes the review windows that exist, before the web engine goes away with the application
// object. Done when the application quits; programs without an event loop call it themselves.
void deleteReviewWindows();

} // namespace tova
