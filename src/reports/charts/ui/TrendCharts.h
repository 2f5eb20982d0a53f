// Draws one project trend chart from the open project and saves its picture.
#pragma once

#include "reports/charts/TrendData.h"

namespace Reports {

// Gathers the points, fills the chart's design, saves it under the application folder at
// relativePath and tells the user when the picture could not be written.
void DrawTrendChart(TrendKind kind, const QString& relativePath, bool flag);

} // namespace Reports
