// The main window's title for the project state.
#pragma once

#include <QString>

namespace tova {

// "TOVA v2.0" without a project; with one, its name and its file, or " *(unsaved)" before the
// project has a file.
QString titleBarText();

} // namespace tova
