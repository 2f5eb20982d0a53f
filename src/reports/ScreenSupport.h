// Steps that several report screens share beyond the pipeline: the guard for a project without a
// current review, the current phase as a number, the scored copy and the survey's score parameter.
#pragma once

#include "platform/xml/XmlDocument.h"
#include "store/Scoring.h"

namespace tova {
class WebBrowser;
}

namespace Reports {

// Without a current review no screen can be built: shows the page from which a review is chosen
// (without a project, the no-project page) and returns true. So does a current review of a phase
// without questions, after a message naming the review and its phase. False when a review that
// can be shown is current.
bool ShowReviewChoiceWhenNone(tova::WebBrowser& browser);

// The current review's phase as a whole number; 0 when its text is no 16-bit whole number.
qint16 CurrentPhaseId();

// A copy of the questionnaire database with the current review's answers and scores merged in.
Xml::XmlDocument ScoredCopy();

// The "score" parameter of the sequence screens: the survey score taken to a whole number.
double SurveyScoreParameter(const Xml::XmlDocument& scoredCopy);
// The same from the current review's scores worked out on the questionnaire database itself.
double SurveyScoreParameter(const Globals::ReviewScores& scores);

} // namespace Reports
