#include "reports/ScreenSupport.h"

#include "platform/AppFolder.h"
#include "platform/PageServices.h"
#include "platform/browser/WebBrowser.h"
#include "platform/dialogs/MessageBox.h"
#include "reports/ReportPipeline.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"
#include "store/Scoring.h"

namespace Reports {

bool ShowReviewChoiceWhenNone(tova::WebBrowser& browser) {
    if (Globals::IsProjectLoaded() && !Globals::gCurrentReview.isNull()) {
        const QString phase = Globals::GetCurrentPhase();
        if (!Globals::PhaseWithoutQuestions(phase))
            return false;
        // Without questions every category would read N/A and the score a perfect 100: the review
        // is not shown, and the user learns which one it is.
        tova::MsgBox(QStringLiteral("The review of %1 (review %2) is for phase \"%3\", which this questionnaire "
                                    "does not have, so it cannot be shown. Choose another review of the project "
                                    "or create a new one.")
                         .arg(Globals::GetCurrentReviewDate())
                         .arg(Globals::GetCurrentReviewID())
                         .arg(phase),
                     tova::MsgButtons::Ok, tova::MsgIcon::Exclamation, QStringLiteral("Review cannot be shown"));
        browser.Navigate2(Globals::PathToURL(tova::appPath(QStringLiteral("misc/noreview.htm"))));
        return true;
    }
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
    const Xml::XmlNode review = Globals::gCurrentReview;
    if (!scored.documentElement().isNull())
        Globals::ComputeScores(scored, review, CurrentPhaseId());
    return scored;
}

double SurveyScoreParameter(const Globals::ReviewScores& scores) {
    // A score the questionnaire already holds is the first one a scored copy would show.
    const Xml::XmlNode held = Globals::gDataDoc.selectSingleNode(QStringLiteral("data/survey/score"));
    return ScoreParameter(held.isNull() ? scores.surveyScore : held.text(), false);
}

double SurveyScoreParameter(const Xml::XmlDocument& scoredCopy) {
    const Xml::XmlNode score = scoredCopy.selectSingleNode(QStringLiteral("data/survey/score"));
    return ScoreParameter(score.isNull() ? QString() : score.text(), false);
}

} // namespace Reports
