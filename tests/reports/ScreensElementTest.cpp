// The dashboard element screen without its window: chart data, page parameters, link commands and
// the builder's road from the chart to the modal window.
#include "ScreensFixture.h"

#include "platform/AppFolder.h"
#include "reports/DashboardElement.h"
#include "reports/ElementLayout.h"
#include "support/ParsedXml.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

Xml::XmlDocument scoredWithSectionScore(const QString& score) {
    const QString scoreElement = score.isNull() ? QString() : QStringLiteral("<score>%1</score>").arg(score);
    return parseXml(QStringLiteral("<data><survey><section><section_id>3</section_id>%1</section>"
                                   "<section><section_id>4</section_id><score>99</score></section></survey></data>")
                        .arg(scoreElement));
}

// An ordered document with one question per entry; an entry "-" has no score.
Xml::XmlDocument orderedOf(const QStringList& scores) {
    QString xml = QStringLiteral("<section>");
    for (int i = 0; i < scores.size(); ++i) {
        xml += QStringLiteral("<question><question_keyword>q%1</question_keyword>").arg(i + 1);
        if (scores[i] != QLatin1String("-"))
            xml += QStringLiteral("<score>%1</score>").arg(scores[i]);
        xml += QStringLiteral("</question>");
    }
    return parseXml(xml + QStringLiteral("</section>"));
}

class FakeElementWindow final : public Reports::ElementWindowOps {
public:
    bool GenerateDashBoardElement(const Xml::XmlDocument& scoredCopy, qint16 sectionId) override {
        calls << QStringLiteral("generate(%1,%2)")
                     .arg(sectionId)
                     .arg(scoredCopy.selectSingleNode(QStringLiteral("data/survey/section[section_id = 2]/score"))
                              .text());
        return chartDrawn;
    }
    WebBrowser& browser() override { return elementBrowser; }
    void showModal() override { calls << QStringLiteral("showModal"); }

    bool chartDrawn = true;
    QStringList calls;
    FakeBrowser elementBrowser{QStringLiteral("WebBrowser1")};
};

} // namespace

TEST(ScreensElement, ScoreIsTheSectionOnTheSurveyScale) {
    const QList<QPair<QString, double>> cases = {{"27.5", 72}, {"26.5", 74}, {"0", 100}, {"100", 0}, {"33.3", 67}};
    for (const auto& [sectionScore, expected] : cases) {
        const QList<Reports::ReportParameter> parameters =
            Reports::ElementParameters(scoredWithSectionScore(sectionScore), 3);
        ASSERT_EQ(parameters.size(), 2);
        EXPECT_EQ(parameters[0].name, "sec_id");
        EXPECT_EQ(std::get<double>(parameters[0].value), 3.0);
        EXPECT_EQ(parameters[1].name, "score");
        EXPECT_EQ(std::get<double>(parameters[1].value), expected) << sectionScore.toStdString();
    }
}

TEST(ScreensElement, ChartDataTakesEveryOrderedQuestionRaisedToTen) {
    const QStringList twelve = {"55", "-", "4.5", "10", "90", "12", "13", "14", "15", "16", "17", "junk"};
    const std::optional<Reports::ElementChartData> data =
        Reports::ElementChartDataFor(scoredWithSectionScore("40"), 3, orderedOf(twelve));
    ASSERT_TRUE(data);
    EXPECT_EQ(data->values, (QVector<double>{55, 10, 10, 10, 90, 12, 13, 14, 15, 16, 17, 10}));
    EXPECT_EQ(data->labels, (QStringList{"q1", "q2", "q3", "q4", "q5", "q6", "q7", "q8", "q9", "q10", "q11", "q12"}));
}

TEST(ScreensElement, NothingToChartWithoutSectionScoreQuestionsOrSection) {
    struct Case {
        const char* name;
        Xml::XmlDocument scored;
        qint16 section;
        Xml::XmlDocument ordered;
    };
    const QList<Case> cases = {
        {"section without score", scoredWithSectionScore(QString()), 3, orderedOf({"50"})},
        {"no ordered question", scoredWithSectionScore("40"), 3, orderedOf({})},
        {"no ordering at all", scoredWithSectionScore("40"), 3, Xml::XmlDocument()},
        {"section not in the copy", scoredWithSectionScore("40"), 7, orderedOf({"50"})},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(Reports::ElementChartDataFor(c.scored, c.section, c.ordered)) << c.name;
}

TEST(ScreensElement, LinkCommandsOfTheElementWindow) {
    using Reports::ElementLink;
    const QList<QPair<QString, ElementLink>> cases = {
        {"file:///app/element/main.htm", ElementLink::Navigate},
        {"file:///app/element/main.htm#BCK", ElementLink::Back},
        {"file:///app/element/main.htm#prt", ElementLink::Print},
        {"file:///app/element/main.htm#PRTX", ElementLink::Print},
        {"file:///app/element/main.htm#top#CPY", ElementLink::Copy},
        {"#hlp", ElementLink::Help},
        {"file:///app/element/main.htm#NXT", ElementLink::Other},
        {"file:///app/element/main.htm#PR", ElementLink::Other},
        {"file:///app/element/main.htm#", ElementLink::Other},
        {"file:///app/element/main.htm#CPY#DSH2", ElementLink::Other},
    };
    for (const auto& [url, expected] : cases)
        EXPECT_EQ(Reports::ClassifyElementLink(url), expected) << url.toStdString();
}

TEST(ScreensElement, BuilderShowsTheWindowOnlyAfterAChartAndAPage) {
    enum class Arrange { NoChart, NoStyleSheet, Fine };
    for (const Arrange arrange : {Arrange::NoChart, Arrange::NoStyleSheet, Arrange::Fine}) {
        ScreensScene scene;
        scene.answerAll();
        scene.printParametersIn(QStringLiteral("element/element.xsl"));
        if (arrange == Arrange::NoStyleSheet)
            QFile::remove(appPath(QStringLiteral("element/element.xsl")));
        scene.writePage(QStringLiteral("element/main.htm"), QStringLiteral("previous page"));
        FakeElementWindow window;
        window.chartDrawn = arrange != Arrange::NoChart;

        Reports::GotoDashboardElement(2, window);

        const QString page = scene.page(QStringLiteral("element/main.htm"));
        EXPECT_TRUE(scene.browser.navigations.isEmpty()) << "the main window's page is unchanged";
        if (arrange != Arrange::Fine) {
            EXPECT_EQ(window.calls, QStringList{"generate(2,33.3)"});
            EXPECT_EQ(page, "previous page");
            EXPECT_TRUE(window.elementBrowser.navigations.isEmpty());
            EXPECT_EQ(scene.environment.messages.texts(),
                      arrange == Arrange::NoStyleSheet ? QStringList{"error loading element.xsl"} : QStringList{});
            continue;
        }
        EXPECT_EQ(window.calls, (QStringList{"generate(2,33.3)", "showModal"}));
        EXPECT_EQ(printed(page, "root"), "data");
        // The page reads the four answers from the copy the chart was drawn from.
        EXPECT_EQ(printed(page, "marks").section(QLatin1Char('/'), 0, 0), "4");
        EXPECT_EQ(printed(page, "sec_id"), "2");
        EXPECT_EQ(printed(page, "score"), "67");
        ASSERT_EQ(window.elementBrowser.navigations.size(), 1);
        EXPECT_TRUE(window.elementBrowser.navigations[0].first.endsWith(QStringLiteral("/element/element.htm")));
    }
}

TEST(ScreensElement, LayoutFollowsTheWindowAndSkipsSidesThatWouldBeNegative) {
    const Reports::ElementLayout previous{QRect(0, 0, 700, 400), QRect(0, 0, 650, 300)};
    struct Case {
        QSize outer;
        QRect browser;
        QRect area;
    };
    const QList<Case> cases = {
        // The design size: 11880 x 8400 twips less the margins.
        {QSize(792, 560), QRect(0, 0, 789, 533), QRect(0, 0, 786, 496)},
        // 900 twips high: the browser gets 500 twips, the area's height would be negative and stays.
        {QSize(792, 60), QRect(0, 0, 789, 33), QRect(0, 0, 786, 300)},
        // 45 twips wide: the browser keeps its width and the area follows that width.
        {QSize(3, 560), QRect(0, 0, 700, 533), QRect(0, 0, 697, 496)},
    };
    for (const Case& c : cases) {
        const Reports::ElementLayout layout = Reports::ElementLayoutFor(c.outer, previous);
        EXPECT_EQ(layout.browser, c.browser) << c.outer.width() << "x" << c.outer.height();
        EXPECT_EQ(layout.screenShotArea, c.area) << c.outer.width() << "x" << c.outer.height();
    }
}
