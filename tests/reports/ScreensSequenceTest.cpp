// The tile chart's gates and the screens built like it: what each page receives and when nothing
// is built at all.
#include "ScreensFixture.h"

#include "platform/AppFolder.h"
#include "platform/PageServices.h"
#include "reports/Dashboards.h"
#include "reports/ReportPipeline.h"
#include "reports/TileChart.h"
#include "reports/TrendScreens.h"
#include "shell/SaveCommands.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

const QString kTilePage = QStringLiteral("tilechart/main.htm");
const QString kSaveQuestion = QStringLiteral("Do you wish to Save your project before proceeding?");
const QString kIncomplete =
    QStringLiteral("Can't proceed to next screen until all questions for review have been answered.");

void goToTileChart(ScreensScene& scene) {
    Reports::GoToTileChart(scene.browser, [] { return askSaveContinue(); });
}

} // namespace

TEST(ScreensTileChart, SaveGateAsksOnlyWhenLeavingTheFishboneUnsaved) {
    struct Case {
        const char* name;
        QString locationName;
        bool saved;
        std::optional<MsgAnswer> answer; // nothing: no question expected
        bool built;
        bool savedAfter;
    };
    const QList<Case> cases = {
        {"cancel keeps the fishbone", "fishbone", false, MsgAnswer::Cancel, false, false},
        {"no goes on without saving", "fishbone", false, MsgAnswer::No, true, false},
        {"yes saves and goes on", "fishbone", false, MsgAnswer::Yes, true, true},
        {"saved project", "fishbone", true, std::nullopt, true, true},
        {"from the dashboard", "dashboard1", false, std::nullopt, true, false},
        {"letter case counts", "Fishbone", false, std::nullopt, true, false},
    };
    for (const Case& c : cases) {
        ScreensScene scene;
        scene.answerAll();
        scene.writePage(kTilePage, QStringLiteral("previous page"));
        const QString file = scene.environment.scratch.filePath(QStringLiteral("saved.tova"));
        scene.environment.fileDialogs.queue(file);
        Globals::gProjectSaved = c.saved;
        scene.browser.locationName = c.locationName;
        if (c.answer)
            scene.environment.messages.queue(*c.answer);

        goToTileChart(scene);

        EXPECT_EQ(scene.environment.messages.texts(), c.answer ? QStringList{kSaveQuestion} : QStringList{}) << c.name;
        EXPECT_EQ(scene.page(kTilePage) != QLatin1String("previous page"), c.built) << c.name;
        EXPECT_EQ(scene.browser.navigations.size(), c.built ? 1 : 0) << c.name;
        EXPECT_EQ(Globals::gProjectSaved, c.savedAfter) << c.name;
        EXPECT_EQ(QFile::exists(file), c.answer == MsgAnswer::Yes) << c.name;
    }
}

TEST(ScreensTileChart, IncompleteReviewIsRefusedAndNothingIsWritten) {
    ScreensScene scene;
    scene.answer(QStringLiteral("R101=V2&R102=V5&R104=V1")); // 105 unanswered
    Globals::gProjectSaved = true;
    scene.browser.locationName = QStringLiteral("fishbone");
    scene.writePage(kTilePage, QStringLiteral("previous page"));

    goToTileChart(scene);

    ASSERT_EQ(scene.environment.messages.asked().size(), 1);
    const AskedMessage& message = scene.environment.messages.asked()[0];
    EXPECT_EQ(message.text, kIncomplete);
    EXPECT_EQ(message.title, "Can't continue...");
    EXPECT_EQ(message.icon, MsgIcon::Exclamation);
    EXPECT_EQ(message.buttons, MsgButtons::Ok);
    EXPECT_EQ(scene.page(kTilePage), "previous page");
    EXPECT_TRUE(scene.browser.navigations.isEmpty());
}

TEST(ScreensTileChart, CarriesStatusesAndScoresAndIsNotBlockedByCategoriesWithoutQuestions) {
    ScreensScene scene;
    scene.answerAll();
    scene.printParametersIn(QStringLiteral("tilechart/tilechart.xsl"));
    goToTileChart(scene);

    EXPECT_TRUE(scene.environment.messages.asked().isEmpty())
        << scene.environment.messages.texts().join('\n').toStdString();
    const QString page = scene.page(kTilePage);
    EXPECT_EQ(printed(page, "root"), "survey");
    // Four responses; category 7 and section 2 scored, category 9 and section 0 too, and the survey;
    // a status for each of the three categories (8 has no question of the phase).
    EXPECT_EQ(printed(page, "marks"), "4/5/3");
    // Sections 2 (33.3) and 0 (0), weighted alike: 100 - 16.65 = 83.35.
    EXPECT_EQ(printed(page, "score"), "83");
    ASSERT_EQ(scene.browser.navigations.size(), 1);
    EXPECT_EQ(scene.browser.navigations[0].first,
              Globals::PathToURL(appPath(QStringLiteral("tilechart/tilechart.htm"))));
}

TEST(ScreensDashboards, ChartsFirstThenAPlainPageWithTheTileChartsScore) {
    ScreensScene scene;
    scene.answerAll();
    scene.printParametersIn(QStringLiteral("tilechart/tilechart.xsl"));
    goToTileChart(scene);
    const QString tileScore = printed(scene.page(kTilePage), "score");

    for (const Reports::ReportRow* row : {&Reports::dashboardRow(), &Reports::priorityDashboardRow()}) {
        scene.printParametersIn(row->styleSheet);
        scene.writePage(row->pageFile, QStringLiteral("previous page"));
        QString chartSaw;
        Reports::GoToDashboard(
            *row,
            [&](const Xml::XmlDocument& scored) {
                // The chart gets the scored copy before the page is written.
                chartSaw = scored.selectSingleNode(QStringLiteral("data/survey/score")).text() + QLatin1Char('|') +
                           scene.page(row->pageFile);
            },
            scene.browser);
        EXPECT_EQ(chartSaw, "83.35|previous page") << row->styleSheet.toStdString();
        const QString page = scene.page(row->pageFile);
        EXPECT_EQ(printed(page, "score"), tileScore) << row->styleSheet.toStdString();
        EXPECT_EQ(printed(page, "root"), "data");
        EXPECT_EQ(printed(page, "marks"), "0/0/0") << "the page's input holds no review";
        ASSERT_FALSE(scene.browser.navigations.isEmpty()) << row->styleSheet.toStdString();
        EXPECT_EQ(scene.browser.navigations.last().first, Globals::PathToURL(appPath(row->screenPage)));
    }
    EXPECT_TRUE(Globals::gDataDoc.selectNodes(QStringLiteral("//score")).isEmpty());
}

TEST(ScreensTrend, ChartGetsThePlainCopyAndThePageLandsInTheFolderOfEitherSpelling) {
    ScreensScene scene;
    scene.answerAll();
    for (const Reports::ReportRow* row : {&Reports::projectTrendGraphRow(), &Reports::projectTrendDetailRow()}) {
        scene.printParametersIn(row->styleSheet);
        int charts = 0;
        Reports::GoToProjectTrend(
            *row,
            [&](const Xml::XmlDocument& plain) {
                ++charts;
                EXPECT_TRUE(plain.selectNodes(QStringLiteral("//score | //response")).isEmpty());
            },
            scene.browser);
        EXPECT_EQ(charts, 1);
        const QString page = scene.page(row->pageFile);
        EXPECT_EQ(printed(page, "root"), "data");
        EXPECT_EQ(printed(page, "score"), "none") << "no score parameter";
        EXPECT_EQ(printed(page, "phase_id"), "3");
    }
    // Both spellings of the per-section folder are the one folder of the content.
    EXPECT_EQ(appPath(QStringLiteral("projecttrenddetail/main.htm")),
              appPath(QStringLiteral("ProjectTrendDetail/main.htm")));
    EXPECT_TRUE(QFile::exists(appPath(QStringLiteral("projecttrenddetail/main.htm"))));
}

TEST(ScreensSequence, WithoutAReviewThatCanBeShownNoScreenIsBuilt) {
    // No current review: the choice page says it all. A current review of a phase the
    // questionnaire lacks would score a perfect 100 over N/A categories: a message names it.
    const struct {
        const char* name;
        const char* phase; // nullptr: no current review
        QStringList messages;
    } cases[] = {
        {"no current review", nullptr, {}},
        {"phase without questions", "9",
         QStringList(3, QStringLiteral("The review of May 06, 2003 (review 1) is for phase \"9\", which this "
                                       "questionnaire does not have, so it cannot be shown. Choose another review of "
                                       "the project or create a new one."))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScreensScene scene;
        if (c.phase)
            Globals::gCurrentReview.selectSingleNode(QStringLiteral("phase")).setText(QLatin1String(c.phase));
        else
            Globals::gCurrentReview = Xml::XmlNode();
        int charts = 0;
        const auto drawer = [&](const Xml::XmlDocument&) { ++charts; };
        goToTileChart(scene);
        Reports::GoToDashboard(Reports::dashboardRow(), drawer, scene.browser);
        Reports::GoToProjectTrend(Reports::projectTrendGraphRow(), drawer, scene.browser);
        EXPECT_EQ(charts, 0);
        EXPECT_EQ(scene.environment.messages.texts(), c.messages);
        ASSERT_EQ(scene.browser.navigations.size(), 3);
        for (const auto& navigation : scene.browser.navigations)
            EXPECT_TRUE(navigation.first.endsWith(QStringLiteral("/misc/noreview.htm")));
    }
}
