// Link codes are read after the last "#" only: letters of the folder the program is installed in,
// or of texts the user typed, never act as a link; and a folder whose name holds characters that
// mean something in an address shows every page.
#include "QuestionnaireData.h"
#include "RoadSupport.h"
#include "platform/AppFolder.h"
#include "platform/Wait.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "reference/ui/frmGlossary.h"
#include "review/ui/frmNewProject.h"
#include "review/ui/frmSurvey.h"
#include "shell/Startup.h"
#include "shell/ui/frmBrowser.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"
#include "store/Reviews.h"

#include <QAction>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

using LinkCodesRoad = MainWindowRoad;

} // namespace

TEST_F(LinkCodesRoad, TheQuestionnaireOpensInAFolderNamedLikeADefinitionLink) {
    // Installed in a home folder such as /home/glsmith.
    appFolder = env.copyAppFolder(QStringLiteral("home/glsmith/tova"));
    ASSERT_TRUE(appFolder.contains(QStringLiteral("/glsmith/")));
    Globals::LoadDatabase();
    showSample();
    const QString categoryId =
        Globals::gDataDoc.selectSingleNode(QStringLiteral("data/survey/section/category/category_id")).text().trimmed();

    EXPECT_TRUE(driveQuestionnaire(categoryId, [](frmSurvey& survey) {
        EXPECT_TRUE(
            survey.browser().ExecScript(QStringLiteral("if (!document.forms[0]) throw 0;"), QStringLiteral("main")));
        survey.close();
    }));
    EXPECT_EQ(env.messages.texts(), QStringList());
}

TEST_F(LinkCodesRoad, AProjectManagerNamedLikeTheCloseLinkIsStored) {
    showSample();
    frmNewProject& details = frmNewProject::instance();
    bool drove = false;
    whenPageReady(&details, [&] {
        drove = true;
        // Typed over the stored name and sent with Enter, as a user does.
        ASSERT_TRUE(typeInto(details.browser(), QString(), QStringLiteral("#pm"), QStringLiteral("J. NCLS")));
        QTest::keyClick(inputWidget(details.browser()), Qt::Key_Return);
        EXPECT_TRUE(waitWhile([&] { return details.isVisible(); }, kDriveTimeoutMs));
    });
    mainWindow->menuItem(QStringLiteral("mnuChangeProject"))->trigger();
    EXPECT_TRUE(drove);
    EXPECT_EQ(Globals::GetProjectManager(), QStringLiteral("J. NCLS"));
    EXPECT_EQ(env.messages.texts(), QStringList());
}

TEST_F(LinkCodesRoad, EveryPageShowsFromAFolderNamedWithAddressCharacters) {
    // A blank, a fragment's "#", an escape's "%41" and a query's "?" in one folder name.
    appFolder = env.copyAppFolder(QStringLiteral("tova #1 %41 ?x=1"));
    WebBrowser& main = *mainWindow->webMain();
    // The screen has come and its frame shows the page's own Next link.
    const auto screenShows = [&main](const QString& screen) {
        return waitWhile([&] {
            return main.LocationName() != screen ||
                   !main.ExecScript(QStringLiteral("if (!document.querySelector('a[href=\"#NXT\"]')) throw 0;"),
                                    QStringLiteral("main"));
        });
    };

    // Start-up shows the welcome screen with its index marked.
    ASSERT_TRUE(Globals::Main());
    EXPECT_TRUE(waitWhile([&] { return !headingIs(main, QStringLiteral("main"), QStringLiteral("Introduction")); }));
    EXPECT_TRUE(main.ExecScript(QStringLiteral("if (!document.querySelector('a.highlight')) throw 0;"),
                                QStringLiteral("side")));

    // The fishbone screen, Next to the tile chart and Back again.
    showSample();
    EXPECT_TRUE(screenShows(QStringLiteral("fishbone")));
    ASSERT_TRUE(clickLink(main, QStringLiteral("main"), QStringLiteral("#NXT")));
    EXPECT_TRUE(screenShows(QStringLiteral("tilechart")));
    ASSERT_TRUE(clickLink(main, QStringLiteral("main"), QStringLiteral("#BCK")));
    EXPECT_TRUE(screenShows(QStringLiteral("fishbone")));

    // A category in the questionnaire, and the definition of one of its questions.
    QString categoryId;
    QString key;
    for (const Xml::XmlNode& category : Globals::gDataDoc.selectNodes(QStringLiteral("data/survey/section/category"))) {
        const Xml::XmlNode number = category.selectSingleNode(
            QStringLiteral("question[phase_id = \"%1\"]/question_number").arg(Globals::GetCurrentPhase()));
        if (!number.isNull()) {
            categoryId = category.selectSingleNode(QStringLiteral("category_id")).text().trimmed();
            key = number.text().section(QLatin1Char('.'), 1);
            break;
        }
    }
    ASSERT_FALSE(term(key).isEmpty());
    QPointer<frmGlossary> glossary = &frmGlossary::instance();
    bool definitionShown = false;
    EXPECT_TRUE(driveQuestionnaire(categoryId, [&](frmSurvey& survey) {
        EXPECT_TRUE(
            survey.browser().ExecScript(QStringLiteral("if (!document.forms[0]) throw 0;"), QStringLiteral("main")));
        whenFramesReady(glossary.data(), [&] {
            definitionShown =
                waitWhile([&] { return !headingIs(glossary->browser(), QStringLiteral("main"), term(key)); });
            glossary->close();
        });
        EXPECT_TRUE(clickElement(survey.browser(), QStringLiteral("main"),
                                 QStringLiteral("a.q-gls[href$=\"gls%1\"]").arg(key)));
        EXPECT_TRUE(waitWhile([&] { return !glossary.isNull(); }, kDriveTimeoutMs));
        survey.close();
    }));
    EXPECT_TRUE(definitionShown);

    // The project details form, sent with Enter, is read from its own address.
    frmNewProject& details = frmNewProject::instance();
    whenPageReady(&details, [&] {
        ASSERT_TRUE(typeInto(details.browser(), QString(), QStringLiteral("#pm"), QStringLiteral("A. Ng #2 ?")));
        QTest::keyClick(inputWidget(details.browser()), Qt::Key_Return);
        EXPECT_TRUE(waitWhile([&] { return details.isVisible(); }, kDriveTimeoutMs));
    });
    mainWindow->menuItem(QStringLiteral("mnuChangeProject"))->trigger();
    EXPECT_EQ(Globals::GetProjectManager(), QStringLiteral("A. Ng #2 ?"));
    EXPECT_EQ(env.messages.texts(), QStringList());
}
