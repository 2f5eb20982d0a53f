// The fishbone screen: the rework cause classifications with the completion mark of every category.
#pragma once

namespace tova {
class WebBrowser;
}

namespace Reports {

struct ReportRow;
const ReportRow& fishboneRow();

// Builds the fishbone page for the current review and shows it in the browser. Without a current
// review it shows the page that asks to choose one (without a project, the no-project page).
void GoToFishbone(tova::WebBrowser& browser);

} // namespace Reports
