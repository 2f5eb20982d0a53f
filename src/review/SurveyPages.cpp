#include "review/SurveyPages.h"

#include "platform/dialogs/MessageBox.h"
#include "platform/xml/XmlDocument.h"
#include "store/Database.h"
#include "store/Reviews.h"

namespace tova::review {
namespace {

// The number the questionnaire window's messages give an error met while it builds a page.
constexpr int kPageBuildError = 1;

// "Error 1 (<detail>) in procedure <procedure> of Form frmSurvey", the window's form for errors
// met on the way to a page.
RoadMessage surveyError(const QString& procedure, const QString& detail) {
    return {
        unexpectedErrorText(kPageBuildError, detail, procedure, QStringLiteral("Form"), QStringLiteral("frmSurvey")),
        MsgIcon::None};
}

PageRoad surveyRoad(const QString& procedure, const QString& styleSheet, const QString& page) {
    PageRoad road;
    road.styleSheet = QStringLiteral("survey/") + styleSheet;
    road.pageFile = QStringLiteral("survey/") + page;
    road.transformFailed = surveyError(procedure, QStringLiteral("%1"));
    road.pageNotWritten = surveyError(procedure, QStringLiteral("the page %1 could not be written"));
    return road;
}

const QString kFrameset = QStringLiteral("survey/survey.htm");

} // namespace

PageRoad questionPageRoad(bool refresh) {
    PageRoad road =
        surveyRoad(QStringLiteral("LoadQuestions"), QStringLiteral("questions.xsl"), QStringLiteral("main.htm"));
    road.styleSheetMissing = {QStringLiteral("Error loading XSL"), MsgIcon::None};
    // A refresh reloads only the question frame; otherwise the whole frameset loads again.
    road.shownPage = refresh ? road.pageFile : kFrameset;
    road.frame = refresh ? QStringLiteral("main") : QString();
    return road;
}

PageRoad questionTreeRoad(bool navigate) {
    PageRoad road = surveyRoad(QStringLiteral("LoadTree"), QStringLiteral("qtree.xsl"), QStringLiteral("side.htm"));
    road.styleSheetMissing = {QStringLiteral("Error loading XSL"), MsgIcon::None};
    road.shownPage = kFrameset;
    road.show = navigate;
    return road;
}

PageRoad bottomPageRoad() {
    PageRoad road =
        surveyRoad(QStringLiteral("LoadBottom"), QStringLiteral("bottom.xsl"), QStringLiteral("bottom.htm"));
    road.styleSheetMissing = {QStringLiteral("Error Loading bottom.xsl"), MsgIcon::Critical};
    road.show = false;
    return road;
}

PageRoad phasePageRoad() {
    PageRoad road;
    road.styleSheet = QStringLiteral("NewReview/Review.xsl");
    road.styleSheetMissing = {QStringLiteral("error loading review.xsl"), MsgIcon::None};
    road.transformFailed = {QStringLiteral("The list of phases could not be made, so no review can be created now."),
                            MsgIcon::Critical};
    road.pageNotWritten = {QStringLiteral("The list of phases could not be shown: its page %1 could not be written."),
                           MsgIcon::Critical};
    return road;
}

void TellQuestionPageError(const QString& detail) {
    TellRoadFailure(questionPageRoad(false).transformFailed, detail);
}

bool ShowQuestionPage(qint16 categoryId, WebBrowser& browser, bool refresh) {
    const PageRoad road = questionPageRoad(refresh);
    // The id stands in the expression as a number.
    const Xml::XmlNode category = Globals::gDataDoc.selectSingleNode(
        QStringLiteral("data/survey/section/category[category_id = %1]").arg(categoryId));
    if (category.isNull()) {
        TellQuestionPageError(QStringLiteral("category %1 is not in the questionnaire").arg(categoryId));
        return false;
    }
    // The phase shown is always the current review's.
    return BuildPage(road, category, {{QStringLiteral("phase_id"), Globals::GetCurrentPhase()}}, browser);
}

bool WriteQuestionTree(WebBrowser& browser, bool navigate) {
    return BuildPage(questionTreeRoad(navigate), Globals::gDataDoc.selectSingleNode(QStringLiteral("data/survey")), {},
                     browser);
}

bool WriteBottomPage(WebBrowser& browser) {
    // The phase is compared as text.
    const Xml::XmlNode phase =
        Globals::gDataDoc.selectSingleNode(QStringLiteral("data/phases/phase[phase_id = \"%1\"]")
                                               .arg(Globals::GetCurrentPhase().remove(QLatin1Char('"'))));
    // A phase the questionnaire lacks has no bar: the page stays as it was.
    if (phase.isNull())
        return false;
    return BuildPage(bottomPageRoad(), phase, {}, browser);
}

bool ShowPhasePage(WebBrowser& browser) {
    return BuildPage(phasePageRoad(), Globals::gDataDoc.selectSingleNode(QStringLiteral("data/phases")), {}, browser);
}

} // namespace tova::review
