// The scorecard facts prepared in the scored copy, and the scorecard page that lays them out.
#include "ScreensFixture.h"

#include "platform/AppFolder.h"
#include "reports/ReportPipeline.h"
#include "reports/Scorecard.h"
#include "reports/ScreenSupport.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::test;

namespace {

// "category id: item|item|...;" for every category of the copy, in document order.
QString scorecards(const Xml::XmlDocument& copy) {
    QString text;
    for (const Xml::XmlNode& category : copy.selectNodes(QStringLiteral("data/survey/section/category"))) {
        const QList<Xml::XmlNode> cards = category.selectNodes(QStringLiteral("scorecard"));
        text += category.selectSingleNode(QStringLiteral("category_id")).text() + QLatin1Char(':');
        if (cards.size() != 1) {
            text += QStringLiteral("%1 scorecards;").arg(cards.size());
            continue;
        }
        // The scorecard is the category's last child.
        if (category.childElements().last() != cards[0])
            text += QStringLiteral("(not last)");
        QStringList items;
        for (const Xml::XmlNode& child : cards[0].childElements())
            items << (child.name() == QLatin1String("item") ? child.text() : QStringLiteral("<%1>").arg(child.name()));
        text += items.join(QLatin1Char('|')) + QLatin1Char(';');
    }
    return text;
}

} // namespace

TEST(ScorecardKeys, SecondFieldAfterTheDot) {
    const QList<QPair<QString, QString>> cases = {{"12.1A3", "1A3"}, {"4.2B1.7", "2B1"}, {"7", ""},
                                                  {"", ""},          {"3.", ""},         {".9", "9"}};
    for (const auto& [text, key] : cases)
        EXPECT_EQ(Globals::GetKeyAfterDot(text), key) << text.toStdString();
}

TEST(ScorecardItems, FourFactsPerQuestionOfThePhaseInEveryCategory) {
    struct Case {
        const char* name;
        QString answers;
        QString expected;
    };
    const QList<Case> cases = {
        // 101: option 2 (33.3) of weight 0.05; 102: not applicable; 104: no glossary key, no weight;
        // 105: no glossary entry. Category 8 has no question of phase 3: an empty scorecard.
        {"complete review", "R101=V2&R102=V5&R104=V1&R105=V1",
         "7:Staffing plan|Partly|66.7%|5%|Risk register|N/A|N/A|7%;8:;9:|Yes|100%|||Yes|100%|10%;"},
        // Unanswered questions keep their term and weight; answer and remainder stay empty.
        {"nothing answered", "", "7:Staffing plan|||5%|Risk register|||7%;8:;9:|||||||10%;"},
        // An option the questionnaire does not have: no answer text, no remainder.
        {"unknown option", "R101=V9", "7:Staffing plan|||5%|Risk register|||7%;8:;9:|||||||10%;"},
    };
    for (const Case& c : cases) {
        ScreensScene scene;
        if (!c.answers.isEmpty())
            scene.answer(c.answers);
        Xml::XmlDocument scored = Reports::ScoredCopy();
        Reports::AddScoreCards(scored, 3, Globals::gDataDoc);
        EXPECT_EQ(scorecards(scored), c.expected) << c.name;
    }
}

TEST(ScorecardScreen, OnlyTheChosenSectionIsTheInputAndEveryScreenRebuildsItsItems) {
    ScreensScene scene;
    scene.answerAll();
    scene.printParametersIn(QStringLiteral("scorecard/scorecard.xsl"));
    for (const qint16 section : {qint16(2), qint16(0), qint16(2)}) {
        Reports::GoToScoreCard(section, scene.browser);
        const QString page = scene.page(QStringLiteral("scorecard/main.htm"));
        EXPECT_EQ(printed(page, "root"), "section");
        EXPECT_EQ(printed(page, "sections"), QStringLiteral("%1;").arg(section));
        EXPECT_EQ(printed(page, "score"), "83") << "the survey score on every scorecard";
        EXPECT_EQ(printed(page, "items"),
                  section == 2 ? QStringLiteral("Staffing plan|Partly|66.7%|5%|Risk register|N/A|N/A|7%|")
                               : QStringLiteral("|Yes|100%|||Yes|100%|10%|"));
    }
    EXPECT_EQ(scene.browser.navigations.size(), 3);
    EXPECT_TRUE(scene.environment.messages.asked().isEmpty());
}

TEST(ScorecardScreen, ShippedStyleSheetShowsTheFacts) {
    ScreensScene scene;
    scene.answerAll();
    Reports::GoToScoreCard(2, scene.browser);
    const QString page = scene.page(QStringLiteral("scorecard/main.htm"));
    for (const char* fact : {"Staffing plan", "Partly", "66.7%", "5%", "Risk register", "N/A", "7%", "Bridge"})
        EXPECT_TRUE(page.contains(QLatin1String(fact))) << fact;
    EXPECT_FALSE(page.contains(QStringLiteral("Methods"))) << "section 0 is not on section 2's scorecard";
}
