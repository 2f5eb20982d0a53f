// Help > Feedback offers a word processor document, which the embedded browser cannot show: it
// goes to the desktop's application for it, or a message says there is none. Never an empty
// browser window. The desktop's tools are stood in for, so no real program starts.
#include "RoadSupport.h"
#include "platform/AppFolder.h"
#include "platform/Wait.h"
#include "shell/ui/frmBrowser.h"
#include "support/FakeDesktop.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

using FeedbackRoad = MainWindowRoad;

// The visible top-level windows other than the main window, after the events of the command ran.
int otherWindowsShown(QWidget* mainWindow) {
    QElapsedTimer settle;
    settle.start();
    static_cast<void>(waitWhile([&] { return settle.elapsed() < 300; }, 1000));
    int shown = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        shown += window != mainWindow && window->isVisible() ? 1 : 0;
    return shown;
}

} // namespace

TEST_F(FeedbackRoad, TheDocumentGoesToTheDesktopsApplication) {
    FakeDesktop desktop(env.scratch.filePath(QStringLiteral("desktop")), QStringLiteral("writer.desktop"));
    mainWindow->menuItem(QStringLiteral("mnuFeedback"))->trigger();
    EXPECT_EQ(desktop.opened(), appPath(QStringLiteral("misc/feedback.doc")));
    EXPECT_EQ(otherWindowsShown(mainWindow), 0);
    EXPECT_EQ(env.messages.texts(), QStringList());
}

TEST_F(FeedbackRoad, WithoutAWorkingApplicationAMessageSaysSo) {
    // No program for the document's kind, or an opener that names one and then fails (exits 4).
    const struct {
        const char* name;
        QString application;
        int openerExit;
    } desktops[] = {{"no application", QString(), 0}, {"opener fails", QStringLiteral("writer.desktop"), 4}};
    for (const auto& d : desktops) {
        SCOPED_TRACE(d.name);
        env.messages.clear();
        FakeDesktop desktop(env.scratch.filePath(QLatin1String(d.name)), d.application, d.openerExit);
        mainWindow->menuItem(QStringLiteral("mnuFeedback"))->trigger();
        ASSERT_EQ(env.messages.texts().size(), 1);
        EXPECT_TRUE(env.messages.texts().first().contains(QStringLiteral("No program on this computer")));
        EXPECT_TRUE(env.messages.texts().first().contains(QStringLiteral("\"feedback.doc\"")));
        EXPECT_TRUE(env.messages.texts().first().contains(appPath(QStringLiteral("misc/feedback.doc"))));
        EXPECT_EQ(otherWindowsShown(mainWindow), 0);
    }
}
