// Escape typed inside the page of a window that shows one (a real key event sent to the browser's
// widget) closes the window the way its close box does.
#include "QuestionnaireData.h"
#include "RoadSupport.h"
#include "platform/AppFolder.h"
#include "platform/Wait.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "reference/ui/frmGlossary.h"
#include "review/ui/frmSurvey.h"
#include "shell/ui/frmBrowser.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"
#include "store/Reviews.h"

#include <QPointer>

#include <QTest>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

constexpr int kCloseTimeoutMs = 15000;

// A category of the sample's current phase with questions, and its first question.
std::pair<QString, QString> firstQuestionOfThePhase() {
    const Xml::XmlNode question = Globals::gDataDoc.selectSingleNode(
        QStringLiteral("data/survey/section/category/question[phase_id = \"%1\"]").arg(Globals::GetCurrentPhase()));
    return {question.selectSingleNode(QStringLiteral("../category_id")).text().trimmed(),
            question.selectSingleNode(QStringLiteral("question_id")).text().trimmed()};
}

using EscapeRoad = MainWindowRoad;

} // namespace

TEST_F(EscapeRoad, EscapeInsideThePageClosesTheWindowWithTheAnswersStored) {
    showSample();
    const auto [categoryId, questionId] = firstQuestionOfThePhase();
    ASSERT_FALSE(questionId.isEmpty());
    // A choice other than the one the sample holds (stored as the option's number).
    const QString chosen = storedAnswer(questionId) == QLatin1String("2") ? QStringLiteral("3") : QStringLiteral("2");

    EXPECT_TRUE(driveQuestionnaire(categoryId, [&](frmSurvey& survey) {
        // The choice is clicked, which also puts the keys inside the page.
        const QString choice = QStringLiteral("input[name=\"R%1\"][value=\"V%2\"]").arg(questionId, chosen);
        ASSERT_TRUE(clickElement(survey.browser(), QStringLiteral("main"), choice));
        // The user sees the choice taken before pressing Escape; on a busy machine the page may
        // take its time over the click.
        ASSERT_TRUE(waitWhile([&] {
            return !survey.browser().ExecScript(
                QStringLiteral("if (!document.querySelector('%1').checked) throw 0;").arg(choice), QStringLiteral("main"));
        }));
        QWidget* page = inputWidget(survey.browser());
        ASSERT_NE(page, nullptr);
        QTest::keyClick(page, Qt::Key_Escape);
        EXPECT_TRUE(waitWhile([&] { return survey.isVisible(); }, kCloseTimeoutMs));
    }));
    EXPECT_EQ(storedAnswer(questionId), chosen);
    EXPECT_EQ(env.messages.texts(), QStringList());
}

TEST_F(EscapeRoad, EscapeInsideTheIndexClosesTheDefinitionsWindow) {
    QPointer<frmGlossary> glossary = &frmGlossary::instance();
    bool drove = false;
    whenModal(
        glossary, [&] { return framesReady(glossary->browser()); },
        [&] {
            drove = true;
            // A click on the index's heading puts the keys inside the index.
            ASSERT_TRUE(clickElement(glossary->browser(), QStringLiteral("side"), QStringLiteral("h2")));
            QWidget* page = inputWidget(glossary->browser());
            ASSERT_NE(page, nullptr);
            QTest::keyClick(page, Qt::Key_Escape);
            EXPECT_TRUE(waitWhile([&] { return glossary && glossary->isVisible(); }, kCloseTimeoutMs));
        });
    mainWindow->gotoGlossary(QStringLiteral("1A1"));
    EXPECT_TRUE(drove);
    EXPECT_TRUE(glossary.isNull());
}
