// The last two screens of the sequence: the overall project trend graph and the per-section
// project trend graph. Their charts are drawn from all of the project's complete reviews; the page
// gets the questionnaire and the current review's header.
#pragma once

#include "reports/Dashboards.h"

namespace Reports {

const ReportRow& projectTrendGraphRow();
const ReportRow& projectTrendDetailRow();

// Has drawChart draw the screen's chart (it is given a plain copy of the questionnaire), then
// builds the page of row from that same copy.
void GoToProjectTrend(const ReportRow& row, const ChartDrawer& drawChart, tova::WebBrowser& browser);

} // namespace Reports
