#include "reports/Fishbone.h"

#include "reports/ReportPipeline.h"
#include "reports/ScreenSupport.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"
#include "store/Scoring.h"

namespace Reports {

const ReportRow& fishboneRow() {
    static const ReportRow row{QStringLiteral("Rework Cause Classifications"),
                               QStringLiteral("fishbone/fishbone.xsl"),
                               QStringLiteral("fishbone/fish.htm"),
                               QStringLiteral("fishbone/fishbone.htm"),
                               tova::MsgIcon::None,
                               QStringLiteral("data")};
    return row;
}

void GoToFishbone(tova::WebBrowser& browser) {
    // The screen needs the current review's phase and answers; a project file whose current review
    // id names no review gets the page from which a review is chosen instead.
    if (ShowReviewChoiceWhenNone(browser))
        return;

    Xml::XmlDocument scored = CopyDatabase();
    const QString phaseText = Globals::GetCurrentPhase();
    const Xml::XmlNode review = Globals::gCurrentReview;
    // Only the completion marks are merged; whether the review is complete does not matter here.
    if (!scored.documentElement().isNull())
        Globals::MarkCategoryStatus(scored, phaseText.trimmed().toShort(), review);
    TransformAndShow(fishboneRow(), scored, {}, browser);
}

} // namespace Reports
