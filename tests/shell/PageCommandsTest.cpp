// The page command dispatcher: which addresses are commands, what each command runs, and the
// Next/Back walk through the report screens.
#include "ProjectFixture.h"
#include "RecordingTargets.h"

#include "shell/PageCommand.h"
#include "shell/PageCommands.h"
#include "support/FakeBrowser.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

struct Dispatch {
    TestEnvironment environment;
    ProjectFixture project;
    FakeBrowser browser{QStringLiteral("webMain")};
    RecordingTarget target;
    RecordingSurvey survey;
    RecordingDialogs dialogs;
    RegistryScope registry{&survey, &dialogs};
    PageCommands commands{target, browser};

    bool handle(const QString& url) { return commands.HandleURL(url); }
};

} // namespace

TEST(PageCommandParsing, NumberArgumentMustBeASigned16BitWholeNumber) {
    struct Case {
        const char* text;
        std::optional<qint16> expected;
    };
    const Case cases[] = {
        {"#CAT7", qint16(7)},         {"#cat12", qint16(12)},
        {"#CAT-3", qint16(-3)},       {"#CAT+4", qint16(4)},
        {"#CAT32767", qint16(32767)}, {"#CAT-32768", qint16(-32768)},
        {"#CAT32768", std::nullopt},  {"#CAT", std::nullopt},
        {"#CAT7.5", std::nullopt},    {"#CATX", std::nullopt},
        {"#CAT7%20", std::nullopt},   {"#CAT 7", std::nullopt},
        {"#DSH1", qint16(1)},         {"#DSH99999999999", std::nullopt},
        {"#CATCAT7", qint16(7)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PageCommand::parse(QString::fromLatin1(c.text)).numberArgument(), c.expected) << c.text;
}

TEST(PageCommandDispatch, CommandsRunTheirActionAndCancel) {
    struct Case {
        const char* url;
        bool cancel;
        QStringList calls;
    };
    const QList<Case> cases = {
        {"file:///app/fishbone/fish.htm#SEC", true, {}},
        {"file:///app/fishbone/fish.htm#sec", true, {}},
        {"file:///app/x.htm#GLS", true, {"gotoGlossary(1A1)"}},
        {"file:///app/x.htm#PRT", true, {"CallPrinter(0)"}},
        {"file:///app/x.htm#CPY", true, {"mnuCopyScreen_Click"}},
        {"file:///app/x.htm#INS", true, {"showHelp(fishbone.htm)"}},
        {"file:///app/x.htm#hlp", true, {"showHelp(fishbone.htm)"}},
        {"file:///app/x.htm#FSH", true, {"GoToFishbone", "ShowMainWindow"}},
        {"file:///app/x.htm#DSH3", true, {"GotoDashboardElement(3)"}},
        // No project is open here: a category link left on screen opens no questionnaire.
        {"file:///app/fishbone/fish.htm#CAT7", true, {}},
        {"file:///app/x.htm#DSHx", true, {}},
        {"file:///app/x.htm#DSH40000", true, {}},
        {"file:///app/x.htm#nxt", true, {"GoToTileChart"}},
        {"file:///app/x.htm#top#NXT", true, {"GoToTileChart"}},
        {"file:///app/x.htm#NXTRA", true, {"GoToTileChart"}},
        {"file:///app/x.htm#NX", false, {}},
        {"file:///app/x.htm#top", false, {}},
        {"file:///app/x.htm", false, {}},
        {"file:///app/doc/GUIDE.PDF", true, {"OpenPDF(file:///app/doc/GUIDE.PDF)"}},
        {"file:///app/doc/guide.pdf#NXT", true, {"GoToTileChart"}},
    };
    for (const Case& c : cases) {
        Dispatch d;
        d.browser.locationName = QStringLiteral("fishbone.htm");
        EXPECT_EQ(d.handle(QString::fromLatin1(c.url)), c.cancel) << c.url;
        EXPECT_EQ(d.target.calls, c.calls) << c.url;
        EXPECT_TRUE(d.browser.navigations.isEmpty()) << c.url;
        EXPECT_TRUE(d.environment.messages.asked().isEmpty()) << c.url;
        EXPECT_TRUE(d.survey.calls.isEmpty()) << c.url;
    }
}

TEST(PageCommandDispatch, CategoryOpensTheQuestionnaireForTheCurrentPhase) {
    Dispatch d;
    d.project.openProject(QStringLiteral("Bridge"), 3);
    EXPECT_TRUE(d.handle(QStringLiteral("file:///app/fishbone/fish.htm#cat7")));
    EXPECT_EQ(d.survey.calls, (QStringList{"LoadBottom", "LoadTree(0)", "LoadQuestions(7,3,0)", "LoadCheckBoxes",
                                           "HighlightTreeNode(CAT7)", "ShowModal"}));
}

TEST(PageCommandDispatch, BadCategoryArgumentOnlyCancels) {
    for (const char* url :
         {"file:///a.htm#CAT", "file:///a.htm#CATabc", "file:///a.htm#CAT99999", "file:///a.htm#CAT1.5"}) {
        Dispatch d;
        d.project.openProject();
        EXPECT_TRUE(d.handle(QString::fromLatin1(url))) << url;
        EXPECT_TRUE(d.survey.calls.isEmpty()) << url;
        EXPECT_TRUE(d.target.calls.isEmpty()) << url;
        EXPECT_TRUE(d.environment.messages.asked().isEmpty()) << url;
    }
}

TEST(PageCommandDispatch, SkipShowsFishboneOnlyWithAProject) {
    {
        Dispatch d;
        EXPECT_TRUE(d.handle(QStringLiteral("file:///a.htm#SKP")));
        EXPECT_EQ(d.dialogs.calls, QStringList{"NewLoadDoModal(0)"});
        EXPECT_TRUE(d.target.calls.isEmpty());
    }
    {
        Dispatch d;
        d.project.openProject();
        EXPECT_TRUE(d.handle(QStringLiteral("file:///a.htm#SKP")));
        EXPECT_EQ(d.target.calls, QStringList{"GoToFishbone"});
        EXPECT_TRUE(d.dialogs.calls.isEmpty());
    }
}

TEST(PageCommandDispatch, WindowsNotInstalledAreReported) {
    TestEnvironment environment;
    ProjectFixture project;
    project.openProject();
    FakeBrowser browser;
    RecordingTarget target;
    PageCommands commands(target, browser);
    EXPECT_TRUE(commands.HandleURL(QStringLiteral("file:///a.htm#CAT7")));
    EXPECT_TRUE(commands.HandleURL(QStringLiteral("file:///a.htm#CLS")));
    EXPECT_EQ(environment.messages.texts(),
              (QStringList{"Survey is not available in this version of TOVA.",
                           "TOVA - Load Review is not available in this version of TOVA."}));
}

TEST(PageCommandDispatch, ChooseReviewShowsTheNoReviewPageFirst) {
    Dispatch d;
    d.project.openProject();
    EXPECT_TRUE(d.handle(QStringLiteral("file:///a.htm#CLS")));
    ASSERT_EQ(d.browser.navigations.size(), 1);
    EXPECT_TRUE(d.browser.navigations[0].first.startsWith("file:///"));
    EXPECT_TRUE(d.browser.navigations[0].first.endsWith("/misc/noreview.htm"));
    EXPECT_TRUE(d.browser.navigations[0].second.isEmpty());
    EXPECT_EQ(d.dialogs.calls, QStringList{"AskLoadReview(1)"});
}

TEST(PageCommandDispatch, CopyrightOpensInANewWindowWithThePlainPath) {
    Dispatch d;
    EXPECT_TRUE(d.handle(QStringLiteral("file:///a.htm#VUA")));
    ASSERT_EQ(d.browser.navigations.size(), 1);
    EXPECT_FALSE(d.browser.navigations[0].first.startsWith("file:"));
    EXPECT_TRUE(d.browser.navigations[0].first.endsWith("/misc/UAPP.htm"));
    EXPECT_EQ(d.browser.navigations[0].second, "_blank");
}

TEST(ScreenSequence, NextWalksEveryScreenAndStopsAtTheLast) {
    Dispatch d;
    // Each screen on display and what Next asks for; the scorecards follow the section order.
    const QList<QPair<QString, QString>> walk = {
        {"fishbone.htm", "GoToTileChart"},          {"tilechart.htm", "GoToDashboard1"},
        {"dashboard1.htm", "GoToDashboard2"},       {"dashboard2.htm", "GoToScoreCard(2)"},
        {"scorecard.htm", "GoToScoreCard(3)"},      {"scorecard.htm", "GoToScoreCard(1)"},
        {"scorecard.htm", "GoToScoreCard(4)"},      {"scorecard.htm", "GoToScoreCard(0)"},
        {"scorecard.htm", "GoToProjectTrendGraph"}, {"projecttrendgraph.htm", "GoToProjectTrendDetail"},
    };
    for (const auto& [screen, call] : walk) {
        d.browser.locationName = screen;
        d.target.calls.clear();
        EXPECT_TRUE(d.handle(QStringLiteral("file:///x.htm#NXT")));
        EXPECT_EQ(d.target.calls, QStringList{call}) << screen.toStdString();
    }
    EXPECT_EQ(d.commands.ScoreCardIndex, 4);
    d.browser.locationName = QStringLiteral("projecttrenddetail.htm");
    d.target.calls.clear();
    EXPECT_TRUE(d.handle(QStringLiteral("file:///x.htm#NXT")));
    EXPECT_TRUE(d.target.calls.isEmpty());
    ASSERT_EQ(d.environment.messages.asked().size(), 1);
    EXPECT_EQ(d.environment.messages.asked()[0].text, "You are at the last screen.");
    EXPECT_EQ(d.environment.messages.asked()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(d.environment.messages.asked()[0].title, "TOVA2");
}

TEST(ScreenSequence, BackWalksEveryScreenAndStopsAtTheFirst) {
    Dispatch d;
    d.commands.ScoreCardIndex = 2;
    const QList<QPair<QString, QString>> walk = {
        {"projecttrenddetail.htm", "GoToProjectTrendGraph"},
        {"projecttrendgraph.htm", "GoToScoreCard(0)"},
        {"scorecard.htm", "GoToScoreCard(4)"},
        {"scorecard.htm", "GoToScoreCard(1)"},
        {"scorecard.htm", "GoToScoreCard(3)"},
        {"scorecard.htm", "GoToScoreCard(2)"},
        {"scorecard.htm", "GoToDashboard2"},
        {"dashboard2.htm", "GoToDashboard1"},
        {"dashboard1.htm", "GoToTileChart"},
        {"tilechart.htm", "GoToFishbone"},
    };
    for (const auto& [screen, call] : walk) {
        d.browser.locationName = screen;
        d.target.calls.clear();
        EXPECT_TRUE(d.handle(QStringLiteral("file:///x.htm#BCK")));
        EXPECT_EQ(d.target.calls, QStringList{call}) << screen.toStdString();
    }
    EXPECT_EQ(d.commands.ScoreCardIndex, 0);
    d.browser.locationName = QStringLiteral("fishbone.htm");
    d.target.calls.clear();
    EXPECT_TRUE(d.handle(QStringLiteral("file:///x.htm#BCK")));
    EXPECT_TRUE(d.target.calls.isEmpty());
    EXPECT_EQ(d.environment.messages.texts(),
              QStringList{"You are already at first screen of TOVI - use Help to return to Introduction."});
}

TEST(ScreenSequence, NonReportPagesAreUnknownScreens) {
    for (const char* screen : {"welcome.htm", "element.htm", "noreview.htm", "Fishbone.htm", ""}) {
        for (const char* command : {"#NXT", "#BCK"}) {
            Dispatch d;
            d.browser.locationName = QString::fromLatin1(screen);
            EXPECT_TRUE(d.handle(QStringLiteral("file:///x.htm") + QString::fromLatin1(command)));
            EXPECT_TRUE(d.target.calls.isEmpty());
            ASSERT_EQ(d.environment.messages.asked().size(), 1) << screen;
            EXPECT_EQ(d.environment.messages.asked()[0].text, "Unknown Screen");
            EXPECT_EQ(d.environment.messages.asked()[0].title, "Error");
            EXPECT_EQ(d.environment.messages.asked()[0].icon, MsgIcon::Critical);
        }
    }
}

TEST(ScreenSequence, RefreshRebuildsTheScreenOnDisplay) {
    const QList<QPair<QString, QStringList>> cases = {
        {"fishbone.htm", {"GoToFishbone"}},
        {"tilechart.htm", {"GoToTileChart"}},
        {"dashboard1.htm", {"GoToDashboard1"}},
        {"dashboard2.htm", {"GoToDashboard2"}},
        {"scorecard.htm", {"GoToScoreCard(4)"}},
        {"projecttrendgraph.htm", {"GoToProjectTrendGraph"}},
        {"projecttrenddetail.htm", {"GoToProjectTrendDetail"}},
        {"welcome.htm", {}},
    };
    for (const auto& [screen, calls] : cases) {
        Dispatch d;
        d.commands.ScoreCardIndex = 3;
        d.browser.locationName = screen;
        d.commands.RefreshScreen();
        EXPECT_EQ(d.target.calls, calls) << screen.toStdString();
        EXPECT_TRUE(d.environment.messages.asked().isEmpty());
    }
}
