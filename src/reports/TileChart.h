// The tile chart: the gate of the report sequence. It is built only for a review whose questions
// of the phase are all answered, and leaving the fishbone screen for it offers to save first.
#pragma once

#include "platform/xml/XmlDocument.h"

#include <functional>

namespace tova {
class WebBrowser;
}

namespace Reports {

struct ReportRow;
const ReportRow& tileChartRow();

// Checks the save and completeness gates, then builds the tile chart in the browser.
// askSaveContinue asks whether to save before going on and returns false when the user cancels.
void GoToTileChart(tova::WebBrowser& browser, const std::function<bool()>& askSaveContinue);

// Builds the tile chart page from a copy that already carries status marks and scores.
void CreateTileChart(const Xml::XmlDocument& scoredCopy, tova::WebBrowser& browser);

} // namespace Reports
