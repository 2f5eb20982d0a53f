// The end of the program: every window, shown or hidden, goes before the browser profile, so no
// browser page is left for the application object's own teardown.
#include "RoadSupport.h"
#include "platform/Wait.h"
#include "platform/browser/ui/WebEngineBrowser.h"
#include "platform/ui/WindowTeardown.h"
#include "reference/ui/frmAcronyms.h"
#include "reference/ui/frmGlossary.h"
#include "review/ui/frmSurvey.h"
#include "shell/ui/frmBrowser.h"

#include <QAction>
#include <QApplication>
#include <QWebEngineView>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

using TeardownRoad = MainWindowRoad;

int browserViews() {
    int views = 0;
    for (QWidget* widget : QApplication::allWidgets())
        views += qobject_cast<QWebEngineView*>(widget) ? 1 : 0;
    return views;
}

} // namespace

TEST_F(TeardownRoad, NoBrowserPageOutlivesTheWindows) {
    // A browser window of its own, hidden windows made on first use, and one already closed.
    mainWindow->menuItem(QStringLiteral("mnuQuestionWeightings"))->trigger();
    ASSERT_TRUE(waitWhile([] { return browserViews() < 2; }, kDriveTimeoutMs));
    frmGlossary::instance();
    frmAcronyms::instance();
    frmSurvey::instance().hide();
    auto* closed = new WebEngineBrowser(QStringLiteral("closed"));
    closed->deleteLater();
    // Windows earlier roads left behind count as well.
    ASSERT_GE(browserViews(), 6);

    deleteAllWindows();
    EXPECT_EQ(browserViews(), 0);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    EXPECT_EQ(frmBrowser::existingInstance(), nullptr);
    // The program's windows come again on their next use.
    EXPECT_EQ(frmGlossary::instance().browser().Name(), QStringLiteral("WebBrowser1"));
    frmGlossary::destroyInstance();
    mainWindow = nullptr;
}
