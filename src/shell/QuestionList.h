// The question list of the current review's phase as a page to print: the question style sheet
// applied to the whole questionnaire, on the one page road, written and never shown.
#pragma once

#include "platform/PageRoad.h"

namespace tova {
class WebBrowser;
}

namespace Globals {

tova::PageRoad questionListRoad();

// Writes the list into "survey/printout.htm"; the browser keeps its page. False, after telling the
// user, when no new list was written: an older list must not be printed as this one.
bool WriteQuestionList(tova::WebBrowser& browser);

} // namespace Globals
