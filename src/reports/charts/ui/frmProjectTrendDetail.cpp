#include "reports/charts/ui/frmProjectTrendDetail.h"

#include "reports/charts/ui/TrendCharts.h"

void frmProjectTrendDetail::GenerateProjectTrendDetail(const Xml::XmlDocument& /*plainCopy*/) {
    Reports::DrawTrendChart(Reports::TrendKind::PerSection, QStringLiteral("projecttrenddetail/graph.png"), true);
}
