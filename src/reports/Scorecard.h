// The five scorecards: for every question of the review's phase its glossary term, the answer
// given, what the answer leaves of a hundred and the question's weight, prepared as elements of
// the scored copy so that the style sheet only lays them out.
#pragma once

#include "platform/xml/XmlDocument.h"

namespace tova {
class WebBrowser;
}

namespace Globals {

// The second field of a text split at "." ("12.1A3" -> "1A3", "4.2B1.7" -> "2B1"); empty when the
// text has no ".".
QString GetKeyAfterDot(const QString& text);

} // namespace Globals

namespace Reports {

struct ReportRow;
const ReportRow& scorecardRow();

// Gives every category of every section a "scorecard" with four "item"s per question of the phase:
// term, answer text, remaining percentage, weight percentage. Terms come from the glossary of
// glossarySource. A fact that cannot be found (no response, no glossary entry, no weight) is an
// empty item.
void AddScoreCards(Xml::XmlDocument& scoredCopy, qint16 phaseId, const Xml::XmlDocument& glossarySource);

// Scores the current review, adds the scorecards and builds the scorecard of one section.
void GoToScoreCard(qint16 sectionId, tova::WebBrowser& browser);

} // namespace Reports
