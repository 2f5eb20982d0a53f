// A question page that holds its answers back: the questionnaire never moves on as if they had been
// stored. Closing the window asks whether to close without them, and staying keeps them; a category
// change leaves the page on display and says why.
#include "QuestionnaireData.h"
#include "RoadSupport.h"
#include "platform/Wait.h"
#include "platform/browser/WebBrowser.h"
#include "review/ui/frmSurvey.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"

#include <QPointer>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

const QString kMain = QStringLiteral("main");

// The page's form stops sending itself until the page lets it go, as a page that stalls would.
bool holdAnswers(WebBrowser& browser) {
    return browser.ExecScript(QStringLiteral("document.forms[0].submit = function () {};"), kMain);
}

bool letAnswersGo(WebBrowser& browser) {
    return browser.ExecScript(QStringLiteral("delete document.forms[0].submit;"), kMain);
}

bool choiceTicked(WebBrowser& browser, const QString& question, const QString& option) {
    return browser.ExecScript(
        QStringLiteral("if (!document.querySelector('input[name=\"R%1\"][value=\"V%2\"]').checked) throw 0;")
            .arg(question, option),
        kMain);
}

using SurveyWaitRoad = MainWindowRoad;

} // namespace

TEST_F(SurveyWaitRoad, AnswersThatDoNotArriveAreNeverDroppedUntold) {
    enum class Step { Close, ChangeCategory };
    for (const Step step : {Step::Close, Step::ChangeCategory}) {
        const char* name = step == Step::Close ? "close" : "change category";
        showSample();
        const QString phase = Globals::GetCurrentPhase();
        const QList<Xml::XmlNode> categories = Globals::gDataDoc.selectNodes(
            QStringLiteral("data/survey/section/category[question/phase_id = \"%1\"]/category_id").arg(phase));
        ASSERT_GE(categories.size(), 2) << name;
        const QString category = categories.at(0).text().trimmed();
        const QString otherCategory = QStringLiteral("#cat") + categories.at(1).text().trimmed();
        const QStringList questions = questionsOf(category, phase);
        ASSERT_FALSE(questions.isEmpty()) << name;
        const QString question = questions.first();
        const QString chosen = storedAnswer(question) == QLatin1String("2") ? QStringLiteral("3") : QStringLiteral("2");
        env.messages.clear();

        frmSurvey& survey = frmSurvey::instance();
        bool heldOnScreen = false;
        bool keptOpen = false;
        EXPECT_TRUE(driveQuestionnaire(category, [&](frmSurvey&) {
            ASSERT_TRUE(clickElement(survey.browser(), kMain,
                                     QStringLiteral("input[name=\"R%1\"][value=\"V%2\"]").arg(question, chosen)));
            ASSERT_TRUE(waitWhile([&] { return !choiceTicked(survey.browser(), question, chosen); }, kDriveTimeoutMs));
            ASSERT_TRUE(holdAnswers(survey.browser()));
            if (step == Step::Close) {
                // Stays open: the user answers No to closing without the answers.
                env.messages.queue(MsgAnswer::No);
                EXPECT_TRUE(clickLink(survey.browser(), QStringLiteral("bottom"), QStringLiteral("#Back")));
                ASSERT_TRUE(waitWhile([&] { return env.messages.asked().isEmpty(); }, 2 * kDriveTimeoutMs));
                // Shown again once this turn is over; let go, the next close stores the answers.
                whenFramesReady(&survey, [&] {
                    keptOpen = choiceTicked(survey.browser(), question, chosen);
                    EXPECT_TRUE(letAnswersGo(survey.browser()));
                    clickLink(survey.browser(), QStringLiteral("bottom"), QStringLiteral("#Back"));
                });
                return;
            }
            EXPECT_TRUE(clickLink(survey.browser(), QStringLiteral("side"), otherCategory));
            ASSERT_TRUE(waitWhile([&] { return env.messages.asked().isEmpty(); }, 2 * kDriveTimeoutMs));
            heldOnScreen = choiceTicked(survey.browser(), question, chosen);
            EXPECT_TRUE(storedAnswer(question) != chosen);
            // Let go, the same click moves on with the answers stored.
            EXPECT_TRUE(letAnswersGo(survey.browser()));
            EXPECT_TRUE(clickLink(survey.browser(), QStringLiteral("side"), otherCategory));
            EXPECT_TRUE(waitWhile([&] { return storedAnswer(question) != chosen; }, kDriveTimeoutMs));
            survey.close();
        }));
        ASSERT_EQ(env.messages.asked().size(), 1) << name;
        EXPECT_EQ(env.messages.asked().first().icon, MsgIcon::Exclamation) << name;
        if (step == Step::Close) {
            EXPECT_EQ(env.messages.asked().first().buttons, MsgButtons::YesNo) << name;
            EXPECT_TRUE(keptOpen) << name;
        } else {
            EXPECT_TRUE(heldOnScreen) << name;
        }
        EXPECT_EQ(storedAnswer(question), chosen) << name;
        Globals::ResetProjectState();
    }
}
