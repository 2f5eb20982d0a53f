#include "reports/charts/ui/TrendCharts.h"

#include "platform/AppFolder.h"
#include "platform/ui/BusyCursor.h"
#include "reports/TrendScreens.h"
#include "reports/charts/ChartSaving.h"
#include "reports/charts/ui/frmProjectTrendDetail.h"
#include "reports/charts/ui/frmProjectTrendGraph.h"
#include "store/ProjectDocument.h"

namespace Reports {

void DrawTrendChart(TrendKind kind, const QString& relativePath, bool flag) {
    tova::ChartControl TrendGraph = TrendChart(kind);
    FillTrendChart(GatherTrend(Globals::gProjectDoc, kind), TrendGraph);
    const QString path = tova::appPath(relativePath);
    if (!TrendGraph.Save(path, flag))
        ReportUnsavedCharts({path});
}

void GoToTrendScreen(TrendKind kind, tova::WebBrowser& browser) {
    const tova::BusyCursor busy;
    if (kind == TrendKind::Overall)
        GoToProjectTrend(projectTrendGraphRow(), &frmProjectTrendGraph::GenerateProjectTrendGraph, browser);
    else
        GoToProjectTrend(projectTrendDetailRow(), &frmProjectTrendDetail::GenerateProjectTrendDetail, browser);
}

} // namespace Reports
