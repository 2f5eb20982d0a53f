// Draws one project trend chart from the open project and saves its picture.
#pragma once

#include "reports/charts/TrendData.h"

namespace tova {
class WebBrowser;
}

namespace Reports {

// Gathers the points, fills the chart's design, saves it under the application folder at
// relativePath and tells the user when the picture could not be written.
void DrawTrendChart(TrendKind kind, const QString& relativePath, bool flag);

// Builds the trend screen of that kind, its chart and then its page, under the busy cursor: on a
// large project every review is judged and scored first.
void GoToTrendScreen(TrendKind kind, tova::WebBrowser& browser);

} // namespace Reports
