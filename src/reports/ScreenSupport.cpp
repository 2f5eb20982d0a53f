#include "reports/ScreenSupport.h"

#include "platform/AppFolder.h"
#include "platform/browser/WebBrowser.h"
#include "reports/ReportPipeline.h"
#include "platform/PageServices.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"
#include "store/Scoring.h"

namespace Reports {

bool ShowReviewChoiceWhenNone(tova::WebBrowser& browser) {
    if (Globals::IsProjectLoaded() && !Globals::gCurrentReview.isNull())
        return false;
    const QString page =
        Globals::IsProjectLoaded() ? QStringLiteral("misc/noreview.htm") : QStringLiteral("misc/noproject.htm");
    browser.Navigate2(Globals::PathToURL(tova::appPath(page)));
    return true;
}

qint16 CurrentPhaseId() {
    bool ok = false;
    const qint16 phase = Globals::GetCurrentPhase().trimmed().toShort(&ok);
    return ok ? phase : qint16(0);
}

Xml::XmlDocument ScoredCopy() {
    Xml::XmlDocument scored = CopyDatabase();
    const Xml::XmlDocument review = Globals::GetCurrentReviewDoc();
    if (!scored.documentElement().isNull())
        Globals::ComputeScores(scored, review, CurrentPhaseId());
    return scored;
}

double SurveyScoreParameter(const Xml::XmlDocument& scoredCopy) {
    const Xml::XmlNode score = scoredCopy.selectSingleNode(QStringLiteral("data/survey/score"));
    return ScoreParameter(score.isNull() ? QString() : score.text(), false);
}

} // namespace Reports
