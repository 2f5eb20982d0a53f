#include "reports/TrendScreens.h"

#include "reports/ReportPipeline.h"
#include "reports/ScreenSupport.h"

namespace Reports {

const ReportRow& projectTrendGraphRow() {
    static const ReportRow row{QStringLiteral("Overall Project Trend Graph"),
                               QStringLiteral("projecttrendgraph/projecttrendgraph.xsl"),
                               QStringLiteral("projecttrendgraph/main.htm"),
                               QStringLiteral("projecttrendgraph/projecttrendgraph.htm"),
                               tova::MsgIcon::None,
                               QStringLiteral("data")};
    return row;
}

const ReportRow& projectTrendDetailRow() {
    // The folder is found whatever its letter case, so this spelling and the chart's lower-case
    // one name the same folder.
    static const ReportRow row{QStringLiteral("Project Trend Graph"),
                               QStringLiteral("ProjectTrendDetail/ProjectTrendDetail.xsl"),
                               QStringLiteral("ProjectTrendDetail/main.htm"),
                               QStringLiteral("ProjectTrendDetail/ProjectTrendDetail.htm"),
                               tova::MsgIcon::None,
                               QStringLiteral("data")};
    return row;
}

void GoToProjectTrend(const ReportRow& row, const ChartDrawer& drawChart, tova::WebBrowser& browser) {
    if (ShowReviewChoiceWhenNone(browser))
        return;
    const Xml::XmlDocument plain = CopyDatabase();
    if (drawChart)
        drawChart(plain);
    TransformAndShow(row, plain, {}, browser);
}

} // namespace Reports
