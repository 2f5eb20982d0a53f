#include "shell/ReportScreens.h"

#include "reports/Dashboards.h"
#include "reports/Fishbone.h"
#include "reports/Scorecard.h"
#include "reports/TileChart.h"
#include "reports/TrendScreens.h"
#include "shell/PageCommandTarget.h"

namespace tova {

const QList<ReportScreen>& reportScreens() {
    static const QList<ReportScreen> screens = {
        {QLatin1String("fishbone"), &Reports::fishboneRow, QLatin1String("Fishbone"), &PageCommandTarget::GoToFishbone},
        {QLatin1String("tilechart"), &Reports::tileChartRow, QLatin1String("Tile Chart"),
         &PageCommandTarget::GoToTileChart},
        {QLatin1String("dashboard1"), &Reports::dashboardRow, QLatin1String("Dashboard"),
         &PageCommandTarget::GoToDashboard1},
        {QLatin1String("dashboard2"), &Reports::priorityDashboardRow, QLatin1String("Priority Dashboard"),
         &PageCommandTarget::GoToDashboard2},
        {QLatin1String("scorecard"), &Reports::scorecardRow, QLatin1String("Scorecard"), nullptr},
        {QLatin1String("projecttrendgraph"), &Reports::projectTrendGraphRow, QLatin1String("Project Trend"),
         &PageCommandTarget::GoToProjectTrendGraph},
        {QLatin1String("projecttrenddetail"), &Reports::projectTrendDetailRow,
         QLatin1String("Project Trend by Section"), &PageCommandTarget::GoToProjectTrendDetail},
    };
    return screens;
}

qsizetype reportScreenIndex(const QString& name) {
    const QList<ReportScreen>& screens = reportScreens();
    for (qsizetype i = 0; i < screens.size(); ++i) {
        if (name == screens.at(i).name)
            return i;
    }
    return -1;
}

} // namespace tova
