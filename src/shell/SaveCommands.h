// Saving the open project from the main window: Save, Save As and the question before going on.
#pragma once

namespace tova {

// Saves to the project's file, or asks for one when it has none. True when the project was saved.
bool saveProject();
// Asks for a file name ("Save TOVA Project As") and saves there. True when the project was saved;
// false when the user cancelled, no dialog could be shown or the save failed (which reports itself).
bool showSaveAsDialog();
// "Do you wish to Save your project before proceeding?": Yes saves; false for Cancel and for a
// save that did not happen.
bool askSaveContinue();

} // namespace tova
