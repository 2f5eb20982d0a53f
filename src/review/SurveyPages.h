// The questionnaire window's three pages (category tree, question page, bottom bar) and the new
// review dialog's phase page, each made on the one page road with the messages its window gives.
#pragma once

#include "platform/PageRoad.h"

#include <QString>

namespace tova {
class WebBrowser;
}

namespace tova::review {

// The question page of one category for the current review's phase. Without refresh the whole
// frameset is shown; with refresh only frame "main" is sent to the new page. False, after telling
// the user, when no new page could be made: nothing was then shown.
bool ShowQuestionPage(qint16 categoryId, WebBrowser& browser, bool refresh);

// Tells the user of an error met on the way to the question page, in the window's own form.
void TellQuestionPageError(const QString& detail);

// The category tree page; with navigate the frameset is shown after it.
bool WriteQuestionTree(WebBrowser& browser, bool navigate);

// The bottom bar for the current review's phase. A phase the questionnaire lacks leaves the page
// as it was, without a message.
bool WriteBottomPage(WebBrowser& browser);

// The new review dialog's list of phases, written into the file named after the browser and shown.
bool ShowPhasePage(WebBrowser& browser);

// The roads themselves, for what reads them beside the functions above.
PageRoad questionPageRoad(bool refresh);
PageRoad questionTreeRoad(bool navigate);
PageRoad bottomPageRoad();
PageRoad phasePageRoad();

} // namespace tova::review
