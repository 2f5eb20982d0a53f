// The questionnaire database: loaded once at start-up, read by everyone, never changed.
#pragma once

#include "platform/xml/XmlDocument.h"

namespace Globals {

// The questionnaire database ("database/data.xml" under the application folder).
extern Xml::XmlDocument gDataDoc;

// Loads the database into gDataDoc; on failure shows "Error loading XML" and leaves an empty
// document.
void LoadDatabase();

// Whether the questionnaire asks any question in the phase a review names (its text, as stored).
// A phase it does not have, or one that is no whole number, has none: such a review has nothing
// to answer or score.
bool PhaseHasQuestions(const QString& phaseText);

} // namespace Globals
