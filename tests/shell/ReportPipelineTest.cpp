// The report pipeline and the fishbone screen: parameters as the style sheets see them, the score
// rounding, and every way a build can fail without touching the screen on display.
#include "ProjectFixture.h"

#include "platform/AppFolder.h"
#include "platform/PageServices.h"
#include "reports/Fishbone.h"
#include "reports/ReportPipeline.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/ProjectFiles.h"
#include "support/FakeBrowser.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void putFile(const QString& source, const QString& target) {
    QDir().mkpath(QFileInfo(target).path());
    QFile::remove(target);
    ASSERT_TRUE(QFile::copy(source, target)) << target.toStdString();
}

void writeText(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

// A writable application folder whose fishbone style sheet prints what it receives.
struct ReportScene {
    TestEnvironment environment;
    ProjectFixture project;
    FakeBrowser browser{QStringLiteral("webMain")};
    QString app;

    explicit ReportScene(bool withDatabase = true) : project(withDatabase) {
        app = environment.copyAppFolder();
        putFile(testDataPath(QStringLiteral("shell/report.xsl")), appPath(QStringLiteral("fishbone/fishbone.xsl")));
        writeText(appPath(QStringLiteral("fishbone/fish.htm")), QStringLiteral("previous page"));
    }
    QString fishPage() const { return readText(appPath(QStringLiteral("fishbone/fish.htm"))); }
};

Reports::ReportRow testRow(MsgIcon icon = MsgIcon::None) {
    return {QStringLiteral("Test Screen"), QStringLiteral("fishbone/fishbone.xsl"), QStringLiteral("fishbone/fish.htm"),
            QStringLiteral("fishbone/fishbone.htm"), icon};
}

} // namespace

TEST(ReportParameters, ScoreRoundsHalvesToEven) {
    const QList<QPair<double, double>> cases = {{72.5, 72},  {73.5, 74},  {100, 100},  {0.5, 0},  {1.5, 2},
                                                {99.5, 100}, {72.49, 72}, {72.51, 73}, {-2.5, -2}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(Reports::RoundHalfEven(value), rounded) << value;

    bool ok = false;
    EXPECT_EQ(Reports::ScoreParameter(QStringLiteral("72.5"), false, &ok), 72);
    EXPECT_TRUE(ok);
    // From a hundred: 100 - 26.5 = 73.5 -> 74.
    EXPECT_EQ(Reports::ScoreParameter(QStringLiteral("26.5"), true, &ok), 74);
    Reports::ScoreParameter(QStringLiteral("n/a"), false, &ok);
    EXPECT_FALSE(ok);
}

TEST(ReportParameters, HeaderParametersInTheirFixedOrder) {
    TestEnvironment environment;
    ProjectFixture fixture;
    fixture.openProject(QStringLiteral("Bridge"), 3);
    const QList<Reports::ReportParameter> parameters = Reports::HeaderParameters();
    QStringList names, values;
    for (const Reports::ReportParameter& parameter : parameters) {
        names << parameter.name;
        ASSERT_TRUE(std::holds_alternative<QString>(parameter.value)) << parameter.name.toStdString();
        values << std::get<QString>(parameter.value);
    }
    EXPECT_EQ(names, (QStringList{"phase_id", "projname", "subprojname", "refnum", "loc", "pm", "owner", "reviewdate",
                                  "phase"}));
    EXPECT_EQ(values, (QStringList{"3", "Bridge", "Deck", "R-17", "Leeds", "Bob", "Ann", "May 06, 2003", "Design"}));
}

TEST(ReportPipeline, StyleSheetSeesTextParametersAsTextAndTheInputAsRoot) {
    ReportScene scene;
    scene.project.openProject(QStringLiteral("<b>A&B</b> \"quoted\" 'single'"), 3);
    Xml::XmlDocument copy = Reports::CopyDatabase();
    ASSERT_TRUE(Reports::TransformAndShow(testRow(), copy.selectSingleNode(QStringLiteral("data/survey")),
                                          {{QStringLiteral("score"), 72.0}}, scene.browser));
    const QString page = scene.fishPage();
    EXPECT_TRUE(page.endsWith(QStringLiteral("\r\n")));
    EXPECT_TRUE(page.contains(QStringLiteral("<p id=\"root\">survey</p>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<p id=\"outside\">0</p>"))) << "nothing above the input element";
    EXPECT_TRUE(page.contains(QStringLiteral("3|&lt;b&gt;A&amp;B&lt;/b&gt; \"quoted\" 'single'|Deck|R-17|Leeds|Bob|Ann|"
                                             "May 06, 2003|Design")))
        << page.toStdString();
    EXPECT_FALSE(page.contains(QStringLiteral("<b>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<p id=\"phase-is-text\">true</p>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<p id=\"score\">73</p>"))) << "score arrives as a number";
    ASSERT_EQ(scene.browser.navigations.size(), 1);
    EXPECT_EQ(scene.browser.navigations[0].first, Globals::PathToURL(appPath(QStringLiteral("fishbone/fishbone.htm"))));
    EXPECT_TRUE(scene.environment.messages.asked().isEmpty());
}

TEST(ReportPipeline, FailuresReportOnceAndLeaveTheScreenAlone) {
    struct Case {
        const char* name;
        std::function<void(ReportScene&, Reports::ReportRow&)> arrange;
        QString message;
        MsgIcon icon;
    };
    const QList<Case> cases = {
        {"missing style sheet",
         [](ReportScene&, Reports::ReportRow&) { QFile::remove(appPath(QStringLiteral("fishbone/fishbone.xsl"))); },
         QStringLiteral("error loading fishbone.xsl"), MsgIcon::None},
        {"missing style sheet, critical builder",
         [](ReportScene&, Reports::ReportRow& row) {
             row.styleSheet = QStringLiteral("tilechart/nosuch.xsl");
             row.loadFailureIcon = MsgIcon::Critical;
         },
         QStringLiteral("error loading nosuch.xsl"), MsgIcon::Critical},
        {"style sheet not well-formed",
         [](ReportScene&, Reports::ReportRow&) {
             putFile(testDataPath(QStringLiteral("shell/notwellformed.xsl")),
                     appPath(QStringLiteral("fishbone/fishbone.xsl")));
         },
         QStringLiteral("error loading fishbone.xsl"), MsgIcon::None},
        {"style sheet that does not compile",
         [](ReportScene&, Reports::ReportRow&) {
             putFile(testDataPath(QStringLiteral("shell/broken.xsl")),
                     appPath(QStringLiteral("fishbone/fishbone.xsl")));
         },
         QStringLiteral("The Test Screen screen could not be built."), MsgIcon::Critical},
        {"page file that cannot be written",
         [](ReportScene&, Reports::ReportRow& row) {
             writeText(appPath(QStringLiteral("blocker")), QStringLiteral("a file, not a folder"));
             row.pageFile = QStringLiteral("blocker/main.htm");
         },
         QStringLiteral("The Test Screen screen could not be shown"), MsgIcon::Critical},
    };
    for (const Case& c : cases) {
        ReportScene scene;
        scene.project.openProject();
        Reports::ReportRow row = testRow();
        c.arrange(scene, row);
        Xml::XmlDocument copy = Reports::CopyDatabase();
        EXPECT_FALSE(Reports::TransformAndShow(row, copy.selectSingleNode(QStringLiteral("data")), {}, scene.browser))
            << c.name;
        ASSERT_EQ(scene.environment.messages.asked().size(), 1) << c.name;
        const AskedMessage& message = scene.environment.messages.asked()[0];
        EXPECT_TRUE(message.text.startsWith(c.message)) << c.name << ": " << message.text.toStdString();
        EXPECT_EQ(message.icon, c.icon) << c.name;
        EXPECT_EQ(message.buttons, MsgButtons::Ok) << c.name;
        EXPECT_EQ(message.title, "TOVA2") << c.name;
        EXPECT_EQ(scene.fishPage(), "previous page") << c.name;
        EXPECT_TRUE(scene.browser.navigations.isEmpty()) << c.name;
    }
}

TEST(FishboneScreen, MarksEveryCategoryForTheCurrentPhase) {
    struct Case {
        qint16 phase;
        bool answered;
        QString statuses;
    };
    for (const Case& c : {Case{3, false, "7=incomplete;8=incomplete;"}, Case{4, false, "7=incomplete;8=noquestions;"},
                          Case{3, true, "7=complete;8=complete;"}}) {
        ReportScene scene;
        scene.project.openProject(QStringLiteral("Bridge"), c.phase);
        if (c.answered)
            scene.project.answerAll();
        Reports::GoToFishbone(scene.browser);
        EXPECT_TRUE(scene.fishPage().contains(QStringLiteral("<p id=\"root\">data</p>")));
        EXPECT_TRUE(scene.fishPage().contains(QStringLiteral("<p id=\"status\">") + c.statuses))
            << scene.fishPage().toStdString();
        ASSERT_EQ(scene.browser.navigations.size(), 1);
        EXPECT_TRUE(scene.browser.navigations[0].first.endsWith(QStringLiteral("/fishbone/fishbone.htm")));
        // The questionnaire database itself is never changed.
        EXPECT_TRUE(Globals::gDataDoc.selectNodes(QStringLiteral("//status")).isEmpty());
    }
}

TEST(FishboneScreen, WithoutACurrentReviewTheReviewChoicePageIsShown) {
    ReportScene scene;
    const QString file = scene.environment.scratch.filePath(QStringLiteral("orphan.tova"));
    writeText(file,
              QStringLiteral("<project ver=\"2.0\"><reference_num>R</reference_num><projectname>P</projectname>"
                             "<subprojectname/><location/><owner/><projectmanager/><currentreview>9</currentreview>"
                             "<review id=\"1\"><phase>3</phase><date>May 06, 2003</date></review></project>"));
    ASSERT_TRUE(Globals::OpenProject(file));
    ASSERT_TRUE(Globals::gCurrentReview.isNull());
    Reports::GoToFishbone(scene.browser);
    ASSERT_EQ(scene.browser.navigations.size(), 1);
    EXPECT_TRUE(scene.browser.navigations[0].first.endsWith(QStringLiteral("/misc/noreview.htm")));
    EXPECT_EQ(scene.fishPage(), "previous page");
    EXPECT_TRUE(scene.environment.messages.asked().isEmpty());
}

TEST(FishboneScreen, MissingDatabaseIsReportedNotFatal) {
    ReportScene scene(false);
    scene.project.openProject();
    Reports::GoToFishbone(scene.browser);
    EXPECT_TRUE(scene.browser.navigations.isEmpty());
    EXPECT_EQ(scene.fishPage(), "previous page");
    ASSERT_EQ(scene.environment.messages.asked().size(), 1);
    EXPECT_TRUE(scene.environment.messages.asked()[0].text.startsWith(
        QStringLiteral("The Rework Cause Classifications screen could not be built.")))
        << scene.environment.messages.asked()[0].text.toStdString();
}

TEST(FishboneScreen, ShippedStyleSheetShowsHeaderMarkupAsText) {
    TestEnvironment environment;
    environment.copyAppFolder();
    ProjectFixture fixture;
    fixture.openProject(QStringLiteral("<b>A&B</b> \"Q\""), 3);
    FakeBrowser browser;
    Reports::GoToFishbone(browser);
    EXPECT_TRUE(environment.messages.asked().isEmpty()) << environment.messages.texts().join('\n').toStdString();
    const QString page = readText(appPath(QStringLiteral("fishbone/fish.htm")));
    EXPECT_TRUE(page.contains(QStringLiteral("&lt;b&gt;A&amp;B&lt;/b&gt;"))) << page.left(2000).toStdString();
    EXPECT_FALSE(page.contains(QStringLiteral("<b>A&")));
    EXPECT_TRUE(page.contains(QStringLiteral("#CAT7")));
}
