#include "reports/charts/ui/TrendCharts.h"

#include "platform/AppFolder.h"
#include "reports/charts/ChartSaving.h"
#include "store/ProjectDocument.h"

namespace Reports {

void DrawTrendChart(TrendKind kind, const QString& relativePath, bool flag) {
    tova::ChartControl TrendGraph = TrendChart(kind);
    FillTrendChart(GatherTrend(Globals::gProjectDoc, kind), TrendGraph);
    const QString path = tova::appPath(relativePath);
    if (!TrendGraph.Save(path, flag))
        ReportUnsavedCharts({path});
}

} // namespace Reports
