#include "reports/charts/ui/frmProjectTrendGraph.h"

#include "reports/charts/ui/TrendCharts.h"

void frmProjectTrendGraph::GenerateProjectTrendGraph(const Xml::XmlDocument& /*plainCopy*/) {
    Reports::DrawTrendChart(Reports::TrendKind::Overall, QStringLiteral("projecttrendgraph/graph.png"), false);
}
