// The main window's menus follow the open project as soon as it changes, also when the screen that
// should follow cannot be built, so no page navigation comes to refresh them.
#include "RoadSupport.h"
#include "platform/AppFolder.h"
#include "platform/Wait.h"
#include "platform/browser/WebBrowser.h"
#include "shell/ui/frmBrowser.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"

#include <QAction>
#include <QFile>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

using MenuStateRoad = MainWindowRoad;

bool enabled(frmBrowser* window, const char* item) {
    return window->menuItem(QLatin1String(item))->isEnabled();
}

} // namespace

TEST_F(MenuStateRoad, SaveFollowsTheProjectWhenItsScreenCannotBeBuilt) {
    ASSERT_TRUE(QFile::remove(appPath(QStringLiteral("fishbone/fishbone.xsl"))));
    const QString before = mainWindow->webMain()->LocationURL();
    ASSERT_FALSE(enabled(mainWindow, "mnuFileSave"));

    mainWindow->menuItem(QStringLiteral("mnuSampleProject"))->trigger();
    ASSERT_TRUE(Globals::IsProjectLoaded());
    // The fishbone screen failed and said so; no page came.
    EXPECT_FALSE(env.messages.texts().isEmpty());
    EXPECT_EQ(mainWindow->webMain()->LocationURL(), before);
    EXPECT_TRUE(enabled(mainWindow, "mnuFileSave"));
    EXPECT_TRUE(enabled(mainWindow, "mnuFileSaveAs"));
    EXPECT_TRUE(enabled(mainWindow, "mnuChangeProject"));

    // Closing the project turns them off again at once.
    Globals::CloseProject();
    EXPECT_FALSE(enabled(mainWindow, "mnuFileSave"));
    EXPECT_FALSE(enabled(mainWindow, "mnuFileSaveAs"));
    EXPECT_FALSE(enabled(mainWindow, "mnuChangeProject"));
}
