// The questionnaire database: loaded once at start-up, read by everyone, never changed.
#pragma once

#include "platform/xml/XmlDocument.h"

namespace Globals {

// The questionnaire database ("database/data.xml" under the application folder).
extern Xml::XmlDocument gDataDoc;

// Loads the database into gDataDoc; on failure shows "Error loading XML" and leaves an empty
// document.
void LoadDatabase();

} // namespace Globals
