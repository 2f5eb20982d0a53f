// The navigator end to end: the real main window and browser over the shipped content, from
// start-up to the fishbone screen, its page links and the exit question.
#include "../shell/RecordingTargets.h"

#include "RoadSupport.h"
#include "ServerFrames.h"
#include "platform/AppFolder.h"
#include "platform/Services.h"
#include "platform/Wait.h"
#include "platform/browser/WebBrowser.h"
#include "platform/browser/ui/BrowserWindow.h"
#include "shell/Startup.h"
#include "shell/WindowLayout.h"
#include "shell/ui/frmBrowser.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScopeGuard>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include <sys/stat.h>

using namespace tova;
using namespace tova::test;

namespace {

class ShellRoadTest : public StartedProgramRoad {
protected:
    // Clicks the fishbone page's own link with the given address, inside the screen's frame.
    static void clickInFrame(frmBrowser* window, const QString& href) {
        ASSERT_TRUE(clickLink(*window->webMain(), QStringLiteral("main"), href));
    }
};

// The main window lives for the whole run; it goes before the web engine's profile does.
class MainWindowTeardown final : public ::testing::Environment {
public:
    void TearDown() override { delete frmBrowser::existingInstance(); }
};
[[maybe_unused]] ::testing::Environment* const mainWindowTeardown =
    ::testing::AddGlobalTestEnvironment(new MainWindowTeardown);

} // namespace

TEST_F(ShellRoadTest, StartUpShowsTheWelcomePageWithTheIntroductionHighlighted) {
    frmBrowser* window = startProgram();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "TOVA v2.0");
    EXPECT_TRUE(window->webMain()->LocationURL().endsWith(QStringLiteral("/index/welcome.htm")));
    EXPECT_TRUE(window->webMain()->ExecScript(
        QStringLiteral(
            "if (!document.querySelector('a.highlight[href=\"introduction.htm\"]')) throw new Error('none');"),
        QStringLiteral("side")));
    // The browser fills the window less its margins, never more than the client area.
    auto* browser = dynamic_cast<QWidget*>(window->webMain());
    ASSERT_NE(browser, nullptr);
    EXPECT_GT(browser->width(), window->width() - 20);
    EXPECT_LE(browser->width(), window->centralWidget()->width());
    EXPECT_GT(browser->height(), 200);
    EXPECT_LE(browser->height(), window->centralWidget()->height());
    EXPECT_TRUE(window->ScreenShotArea().isValid());
    // The splash window is gone once the main window is up.
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_NE(widget->objectName(), "frmSplash");
    // No project: the project items are disabled, the others not.
    EXPECT_FALSE(window->menuItem(QStringLiteral("mnuFileSave"))->isEnabled());
    EXPECT_FALSE(window->menuItem(QStringLiteral("mnuGotoFishbone"))->isEnabled());
    EXPECT_TRUE(window->menuItem(QStringLiteral("mnuSampleProject"))->isEnabled());
    EXPECT_TRUE(environment.messages.asked().isEmpty()) << environment.messages.texts().join('\n').toStdString();
}

// A pipe in the questionnaire's place is never waited on: it is no file to read, start-up says so
// and goes on to the main window.
TEST_F(ShellRoadTest, PipeAsTheQuestionnaireGivesTheMessageAndTheMainWindow) {
    const QString database = appPath(QStringLiteral("database/data.xml"));
    ASSERT_TRUE(QFile::remove(database));
    ASSERT_EQ(mkfifo(QFile::encodeName(database).constData(), 0600), 0);
    frmBrowser* window = startProgram();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(environment.messages.texts(), QStringList{QStringLiteral("Error loading XML")});
}

TEST_F(ShellRoadTest, SampleProjectShowsItsFishboneScreen) {
    frmBrowser* window = showSample();
    ASSERT_TRUE(Globals::IsProjectLoaded());
    EXPECT_EQ(window->webMain()->LocationName(), "fishbone");
    QFile page(appPath(QStringLiteral("fishbone/fish.htm")));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    EXPECT_TRUE(html.contains(Globals::GetProjectName())) << html.left(400).toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("#CAT")));
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("TOVA v2.0: ") + Globals::GetProjectName()));
    EXPECT_TRUE(window->menuItem(QStringLiteral("mnuFileSave"))->isEnabled());
    EXPECT_TRUE(environment.messages.asked().isEmpty()) << environment.messages.texts().join('\n').toStdString();
}

TEST_F(ShellRoadTest, NextLinkInTheFishboneFrameReachesTheCommandHandler) {
    frmBrowser* window = showSample();
    clickInFrame(window, QStringLiteral("#NXT"));
    // The sample's current review is complete and just opened (saved): Next shows the tile chart
    // without a question.
    EXPECT_TRUE(waitWhile([window] { return window->webMain()->LocationName() != QLatin1String("tilechart"); }));
    EXPECT_TRUE(environment.messages.asked().isEmpty()) << environment.messages.texts().join('\n').toStdString();
}

TEST_F(ShellRoadTest, CategoryLinkOpensTheQuestionnaire) {
    RecordingSurvey survey;
    RegistryScope registry(&survey, nullptr);
    frmBrowser* window = showSample();
    const QString phase = Globals::GetCurrentPhase();
    clickInFrame(window, QStringLiteral("#CAT12"));
    EXPECT_TRUE(waitWhile([&survey] { return !survey.calls.contains(QStringLiteral("ShowModal")); }));
    EXPECT_EQ(survey.calls,
              (QStringList{"LoadBottom", "LoadTree(0)", QStringLiteral("LoadQuestions(12,%1,0)").arg(phase),
                           "LoadCheckBoxes", "HighlightTreeNode(CAT12)", "ShowModal"}));
}

TEST_F(ShellRoadTest, MenusHaveTheirItemsInOrder) {
    frmBrowser* window = startProgram();
    const QList<QPair<QString, QStringList>> expected = {
        {"&File",
         {"New Project", "Load Project", "-", "&Save Project", "Save Project &As", "-", "Print Open Screen",
          "Print Preview (Open Screen)", "Print Questions", "Print Preview (Questions)", "-", "Exit"}},
        {"&Edit", {"Copy"}},
        {"&Project",
         {"Change Project Details", "&New Project Phase Review", "&Load Project Phase Review", "Delete Review"}},
        {"&Go To",
         {"Rework Cause Classifications", "Tile Chart", "Dashboard", "Priority Dashboard", "Phase Review Scorecard",
          "Overall Project Trend Graph", "Project Trend Graph"}},
        {"&Tools", {"Definitions and Suggestions", "Glossary", "TOVA Library"}},
        {"&Help",
         {"Sample Project", "-", "Introduction", "Getting Started/ Instructions", "Question Weightings",
          "Copyright and Warranty", "TOVA Website", "Feedback", "TOVA Bookstore", "-", "About TOVA"}},
    };
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), expected.size());
    for (int i = 0; i < menus.size(); ++i) {
        EXPECT_EQ(menus[i]->text(), expected[i].first);
        QStringList items;
        for (QAction* item : menus[i]->menu()->actions()) {
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
            EXPECT_TRUE(item->shortcut().isEmpty()) << item->text().toStdString();
        }
        EXPECT_EQ(items, expected[i].second) << expected[i].first.toStdString();
    }
}

TEST_F(ShellRoadTest, ClosingWithAnUnsavedProjectAsksToSave) {
    frmBrowser* window = showSample();
    Globals::gProjectSaved = false;
    environment.messages.clear();
    environment.messages.queue(MsgAnswer::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(environment.messages.texts(), QStringList{"Do you wish to save your Project before exiting?"});

    environment.messages.queue(MsgAnswer::No);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(environment.messages.texts().size(), 2);
}

TEST_F(ShellRoadTest, TheFishboneFitsTheWindowAtItsStartingSize) {
    frmBrowser* window = showSample();
    const QSize start = window->size();
    // No horizontal scroll bar: the whole diagram, head included, is in the page area. (This
    // screen is small, so the window starts smaller than it would on a desktop.)
    const QString fits =
        QStringLiteral("var page = document.documentElement; if (page.scrollWidth > page.clientWidth) throw 0;");
    EXPECT_TRUE(window->webMain()->ExecScript(fits, QStringLiteral("main")));
    // The browser keeps the resize rule's place at that size.
    const std::optional<WindowLayout> layout = WindowLayout::forOuterSize(window->frameGeometry().size());
    ASSERT_TRUE(layout.has_value());
    auto* browser = dynamic_cast<QWidget*>(window->webMain());
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->width(), layout->browser.width());
    // A category link is where its box says, so a click at its place reaches it.
    EXPECT_TRUE(window->webMain()->ExecScript(
        QStringLiteral("var links = document.querySelectorAll('.fish .cat a'); var a = links[0];"
                       "var r = a.getBoundingClientRect();"
                       "if (document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2) !== a) throw 0;"),
        QStringLiteral("main")));

    // At the size it starts with on a desktop screen, the diagram fits at full scale.
    window->resize(WindowLayout::startSize(QSize(1920, 1040)));
    const QString fullScale = QStringLiteral("if (document.querySelector('.fish').style.transform !== '') throw 0;");
    EXPECT_TRUE(waitWhile([&] { return !window->webMain()->ExecScript(fullScale, QStringLiteral("main")); }, 15000));
    EXPECT_TRUE(window->webMain()->ExecScript(fits, QStringLiteral("main")));
    window->resize(start);
}

namespace {

// What each of the program's windows shows of its title bar, as the X server stacks and frames
// them: a message naming every window that shows less than half of it. A window that nothing
// frames is given the band where a title bar would be.
std::string titleBarsHiddenOnServer() {
    const QList<ServerFrame> stack = stackedServerFrames();
    std::string hidden;
    for (qsizetype i = 0; i < stack.size(); ++i) {
        const QRect frame = stack.at(i).frame;
        const QRect bar(frame.topLeft(), QSize(frame.width(), std::max(stack.at(i).titleBar, 24)));
        qint64 inView = 0;
        for (int y = bar.top(); y <= bar.bottom(); ++y)
            for (int x = bar.left(); x <= bar.right(); ++x)
                inView += std::none_of(stack.cbegin() + i + 1, stack.cend(),
                                       [&](const ServerFrame& above) { return above.frame.contains(x, y); });
        if (2 * inView < qint64(bar.width()) * bar.height())
            hidden += QStringLiteral("\"%1\" at (%2, %3) shows %4 of %5 pixels of its title bar; ")
                          .arg(stack.at(i).window->windowTitle())
                          .arg(frame.x())
                          .arg(frame.y())
                          .arg(inView)
                          .arg(qint64(bar.width()) * bar.height())
                          .toStdString();
    }
    if (!hidden.empty())
        for (const ServerFrame& shown : stack)
            hidden += QStringLiteral("[%1: %2, %3, %4 x %5] ")
                          .arg(shown.window->metaObject()->className())
                          .arg(shown.frame.x())
                          .arg(shown.frame.y())
                          .arg(shown.frame.width())
                          .arg(shown.frame.height())
                          .toStdString();
    return hidden;
}

// Whether the server shows the window where Qt placed it, framed when a window manager runs, and
// (onTop) above the program's other windows.
bool settledOnServer(const QWidget& window, bool onTop) {
    const QList<ServerFrame> stack = stackedServerFrames();
    const bool framing = windowManagerRuns();
    for (qsizetype i = 0; i < stack.size(); ++i)
        if (stack.at(i).window == &window)
            return stack.at(i).client == window.geometry() && window.width() > 1 &&
                   (!framing || stack.at(i).titleBar > 0) && (!onTop || i == stack.size() - 1);
    return false;
}

} // namespace

TEST_F(ShellRoadTest, PagesFromTheHelpMenuLeaveEveryTitleBarInView) {
    frmBrowser* window = startProgram();
    ASSERT_TRUE(waitWhile([&] { return !settledOnServer(*window, false); }, kDriveTimeoutMs));
    struct Road {
        const char* name;
        QList<const char*> items;
    };
    const Road roads[] = {
        {"five of one page",
         {"mnuQuestionWeightings", "mnuQuestionWeightings", "mnuQuestionWeightings", "mnuQuestionWeightings",
          "mnuQuestionWeightings"}},
        {"three pages", {"mnuTutorial", "mnuQuestionWeightings", "mnuCopyright"}},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        QList<QPointer<BrowserWindow>> opened;
        const auto closeOpened = qScopeGuard([&] {
            for (const QPointer<BrowserWindow>& page : std::as_const(opened))
                delete page.data();
        });
        for (const char* item : road.items) {
            const QWidgetList before = QApplication::topLevelWidgets();
            window->menuItem(QString::fromLatin1(item))->trigger();
            QPointer<BrowserWindow> page = awaitNewBrowserWindow(before, kDriveTimeoutMs);
            ASSERT_TRUE(page) << item;
            opened << page;
            ASSERT_TRUE(waitWhile([&] { return page && !settledOnServer(*page, false); }, kDriveTimeoutMs)) << item;
            activateAsChosen(*page);
            ASSERT_TRUE(waitWhile([&] { return page && !settledOnServer(*page, true); }, kDriveTimeoutMs)) << item;
            ASSERT_TRUE(page) << item;
            EXPECT_TRUE(whollyOnScreen(*page)) << item;
            EXPECT_EQ(titleBarsHiddenOnServer(), "") << "after page " << opened.size();
        }
    }
}
