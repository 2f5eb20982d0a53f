// Every road from a style sheet to a page, each with its own window's messages: a style sheet that
// is missing, one that fails while transforming, and a page that cannot be written are each said
// once, and the page and the browser stay as they were, so the old page is never taken for the new.
#include "ProjectFixture.h"

#include "platform/AppFolder.h"
#include "reference/ReferencePages.h"
#include "reports/ReportPipeline.h"
#include "reports/charts/QuestionOrder.h"
#include "review/SurveyPages.h"
#include "shell/QuestionList.h"
#include "store/Database.h"
#include "support/FakeBrowser.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

using namespace tova;
using namespace tova::test;

namespace {

void writeText(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(text.toUtf8());
}

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Compiles, and stops the transformation it is given.
const QString kStoppingStyleSheet = QStringLiteral(
    "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
    "<xsl:template match=\"/\"><xsl:message terminate=\"yes\">stopped on purpose</xsl:message></xsl:template>"
    "</xsl:stylesheet>");

enum class Fault { StyleSheetMissing, TransformFails, PageNotWritable };

struct Road {
    const char* name;
    PageRoad road;
    // Takes the road; the browser is the one the window would pass.
    std::function<void(WebBrowser&)> take;
    // A road that only reads its result writes no page.
    bool writesPage = true;
};

} // namespace

TEST(PageRoads, EveryFailureIsSaidOnceAndTheOldPageStays) {
    const QList<Road> roads = {
        {"questionnaire tree", review::questionTreeRoad(true),
         [](WebBrowser& browser) { review::WriteQuestionTree(browser, true); }},
        {"questionnaire bottom", review::bottomPageRoad(),
         [](WebBrowser& browser) { review::WriteBottomPage(browser); }},
        {"questions", review::questionPageRoad(false),
         [](WebBrowser& browser) { review::ShowQuestionPage(7, browser, false); }},
        {"new review page", review::phasePageRoad(), [](WebBrowser& browser) { review::ShowPhasePage(browser); }},
        {"definitions", reference::indexRoad(reference::definitionsBook(), true),
         [](WebBrowser& browser) { reference::ShowIndexPage(reference::definitionsBook(), browser, true); }},
        {"acronyms", reference::entryRoad(reference::acronymsBook(), true),
         [](WebBrowser& browser) {
             reference::ShowEntryPage(reference::acronymsBook(),
                                      Globals::gDataDoc.selectSingleNode(QStringLiteral("data/acronyms/acronym")),
                                      reference::emptyPage(), browser, true);
         }},
        {"questions printout", Globals::questionListRoad(),
         [](WebBrowser& browser) { Globals::WriteQuestionList(browser); }},
        {"priority order", Reports::QuestionOrderRoad(),
         [](WebBrowser&) { Reports::SortQuestionsByWeight(Reports::CopyDatabase(), 2); }, false},
    };
    for (const Road& road : roads) {
        for (const Fault fault : {Fault::StyleSheetMissing, Fault::TransformFails, Fault::PageNotWritable}) {
            if (fault == Fault::PageNotWritable && !road.writesPage)
                continue;
            const std::string name = std::string(road.name) + " / " + std::to_string(int(fault));
            TestEnvironment environment;
            environment.copyAppFolder();
            ProjectFixture project;
            project.openProject();
            // An acronym for the entry page to show.
            Globals::gDataDoc.selectSingleNode(QStringLiteral("data/acronyms"))
                .appendChild(Globals::gDataDoc.createElement(QStringLiteral("acronym")));
            FakeBrowser browser(QStringLiteral("WebBrowser1"));
            const QString page = RoadPageFile(road.road, browser);
            if (road.writesPage)
                writeText(page, QStringLiteral("previous page"));

            // The message as the road's data words it: "%1" stands for a detail the test does not fix.
            QString expected;
            switch (fault) {
            case Fault::StyleSheetMissing:
                ASSERT_TRUE(QFile::remove(appPath(road.road.styleSheet))) << name;
                expected = road.road.styleSheetMissing.text;
                break;
            case Fault::TransformFails:
                writeText(appPath(road.road.styleSheet), kStoppingStyleSheet);
                expected = road.road.transformFailed.text;
                break;
            case Fault::PageNotWritable:
                ASSERT_TRUE(QFile::setPermissions(page, QFileDevice::ReadOwner | QFileDevice::ReadGroup)) << name;
                expected = road.road.pageNotWritten.text.arg(QDir::toNativeSeparators(page));
                break;
            }

            road.take(browser);

            ASSERT_EQ(environment.messages.asked().size(), 1)
                << name << ": " << environment.messages.texts().join('|').toStdString();
            const AskedMessage& message = environment.messages.asked().first();
            const QString before = expected.section(QStringLiteral("%1"), 0, 0);
            const QString after =
                expected.contains(QStringLiteral("%1")) ? expected.section(QStringLiteral("%1"), 1) : QString();
            EXPECT_TRUE(message.text.startsWith(before) && message.text.endsWith(after))
                << name << ": " << message.text.toStdString() << " / expected " << expected.toStdString();
            const RoadMessage& said = fault == Fault::StyleSheetMissing ? road.road.styleSheetMissing
                                      : fault == Fault::TransformFails  ? road.road.transformFailed
                                                                        : road.road.pageNotWritten;
            EXPECT_EQ(message.icon, said.icon) << name;
            EXPECT_FALSE(said.text.isEmpty()) << name;
            if (road.writesPage) {
                EXPECT_EQ(readText(page), QStringLiteral("previous page")) << name;
            }
            EXPECT_TRUE(browser.navigations.isEmpty()) << name;
            QFile::setPermissions(page, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
    }
}
