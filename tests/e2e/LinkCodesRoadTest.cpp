// Link codes are read after the last "#" only: letters of the folder the program is installed in,
// or of texts the user typed, never act as a link.
#include "RoadSupport.h"
#include "platform/AppFolder.h"
#include "platform/Wait.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "review/ui/frmNewProject.h"
#include "review/ui/frmSurvey.h"
#include "shell/ui/frmBrowser.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"

#include <QAction>
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
    whenModal(
        &details, [&] { return pageReady(details.browser()); },
        [&] {
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
