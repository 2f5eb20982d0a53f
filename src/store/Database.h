// The questionnaire database: loaded once at start-up, read by everyone, never changed.
#pragma once

#include "platform/xml/XmlDocument.h"

namespace Globals {

// The questionnaire database ("database/data.xml" under the application folder).
extern Xml::XmlDocument gDataDoc;

// Loads the database into gDataDoc; on failure shows "Error loading XML" and leaves an empty
// document.
void LoadDatabase();

// True when the loaded questionnaire asks no question in the phase a review names (its text, as
// stored): a phase it does not have, or one that is no whole number. Such a review has nothing to
// answer or score. False when no questionnaire is loaded (that failure is reported on its own).
bool PhaseWithoutQuestions(const QString& phaseText);

// The description of the questionnaire's section with this id, trimmed; empty when there is none.
QString SectionDescription(qint16 sectionId);

} // namespace Globals
