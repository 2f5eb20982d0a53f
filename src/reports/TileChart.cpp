#include "reports/TileChart.h"

#include "platform/browser/WebBrowser.h"
#include "platform/dialogs/MessageBox.h"
#include "reports/ReportPipeline.h"
#include "reports/ScreenSupport.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"
#include "store/Scoring.h"

namespace Reports {

const ReportRow& tileChartRow() {
    static const ReportRow row{QStringLiteral("Tile Chart"),
                               QStringLiteral("tilechart/tilechart.xsl"),
                               QStringLiteral("tilechart/main.htm"),
                               QStringLiteral("tilechart/tilechart.htm"),
                               tova::MsgIcon::Critical,
                               QStringLiteral("data/survey")};
    return row;
}

void GoToTileChart(tova::WebBrowser& browser, const std::function<bool()>& askSaveContinue) {
    // Leaving the fishbone screen is the moment to save the answers just given.
    if (browser.LocationName().contains(QLatin1String("fishbone")) && !Globals::gProjectSaved && askSaveContinue &&
        !askSaveContinue())
        return;
    if (ShowReviewChoiceWhenNone(browser))
        return;

    Xml::XmlDocument scored = CopyDatabase();
    const bool complete = !scored.documentElement().isNull() &&
                          Globals::MarkCategoryStatus(scored, CurrentPhaseId(), Globals::gCurrentReview);
    if (!complete) {
        tova::MsgBox(QStringLiteral("Can't proceed to next screen until all questions for review have been answered."),
                     tova::MsgButtons::Ok, tova::MsgIcon::Exclamation, QStringLiteral("Can't continue..."));
        return;
    }
    // The scores join the status marks in the same copy: the page shows both.
    Globals::ComputeScores(scored, Globals::gCurrentReview, CurrentPhaseId());
    CreateTileChart(scored, browser);
}

void CreateTileChart(const Xml::XmlDocument& scoredCopy, tova::WebBrowser& browser) {
    TransformAndShow(tileChartRow(), scoredCopy, {{QStringLiteral("score"), SurveyScoreParameter(scoredCopy)}},
                     browser);
}

} // namespace Reports
