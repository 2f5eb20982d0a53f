#include "reports/Dashboards.h"

#include "reports/ReportPipeline.h"
#include "reports/ScreenSupport.h"
#include "store/Database.h"

namespace Reports {

const ReportRow& dashboardRow() {
    static const ReportRow row{QStringLiteral("Dashboard"),
                               QStringLiteral("dashboard1/dashboard1.xsl"),
                               QStringLiteral("dashboard1/main.htm"),
                               QStringLiteral("dashboard1/dashboard1.htm"),
                               tova::MsgIcon::None,
                               QStringLiteral("data")};
    return row;
}

const ReportRow& priorityDashboardRow() {
    static const ReportRow row{QStringLiteral("Priority Dashboard"),
                               QStringLiteral("dashboard2/dashboard2.xsl"),
                               QStringLiteral("dashboard2/main.htm"),
                               QStringLiteral("dashboard2/dashboard2.htm"),
                               tova::MsgIcon::None,
                               QStringLiteral("data")};
    return row;
}

void GoToDashboard(const ReportRow& row, const ChartDrawer& drawCharts, tova::WebBrowser& browser) {
    if (ShowReviewChoiceWhenNone(browser))
        return;
    const Xml::XmlDocument scored = ScoredCopy();
    if (drawCharts)
        drawCharts(scored);
    // The page itself gets the questionnaire without the review: what it shows of the review comes
    // from the chart images and the score. The transformation only reads it.
    TransformAndShow(row, Globals::gDataDoc, {{QStringLiteral("score"), SurveyScoreParameter(scored)}}, browser);
}

} // namespace Reports
