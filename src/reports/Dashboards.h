// The dashboard and the priority dashboard: the review's scores as one chart image per section,
// drawn off screen before the page that shows them is written.
#pragma once

#include "platform/xml/XmlDocument.h"

#include <functional>

namespace tova {
class WebBrowser;
}

namespace Reports {

struct ReportRow;
const ReportRow& dashboardRow();
const ReportRow& priorityDashboardRow();

// Draws the chart images of a screen from the scored copy; the images are on disk when it returns.
using ChartDrawer = std::function<void(const Xml::XmlDocument& scoredCopy)>;

// Scores the current review, has drawCharts draw the images and builds the page of row (the
// dashboard or the priority dashboard) from a plain copy with the survey score as "score".
void GoToDashboard(const ReportRow& row, const ChartDrawer& drawCharts, tova::WebBrowser& browser);

} // namespace Reports
