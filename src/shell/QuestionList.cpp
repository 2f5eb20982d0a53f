#include "shell/QuestionList.h"

#include "platform/xml/XmlDocument.h"
#include "store/Database.h"
#include "store/Reviews.h"

namespace Globals {

tova::PageRoad questionListRoad() {
    tova::PageRoad road;
    road.styleSheet = QStringLiteral("survey/questions.xsl");
    road.pageFile = QStringLiteral("survey/printout.htm");
    road.show = false;
    road.styleSheetMissing = {QStringLiteral("error loading questions.xsl"), tova::MsgIcon::None};
    road.transformFailed = {QStringLiteral("The question list could not be made."), tova::MsgIcon::Critical};
    road.pageNotWritten = {QStringLiteral("The question list could not be printed: its page %1 could not be written."),
                           tova::MsgIcon::Critical};
    return road;
}

bool WriteQuestionList(tova::WebBrowser& browser) {
    // The whole questionnaire itself, without answers; the style sheet picks the phase's questions.
    const Xml::XmlNode data = gDataDoc.isNull() ? Xml::XmlNode() : gDataDoc.selectSingleNode(QStringLiteral("data"));
    return tova::BuildPage(questionListRoad(), data, {{QStringLiteral("phase_id"), GetCurrentPhase()}}, browser);
}

} // namespace Globals
