// How the questionnaire window reads link addresses: category ids, the order of its rules, and
// the script lines it sends to the tree page.
#include "review/SurveyLinks.h"

#include <gtest/gtest.h>

using namespace tova::review;

TEST(SurveyLinks, GetCatReadsTheTextAfterTheFirstCatMarker) {
    const struct {
        const char* url;
        qint32 expected;
    } cases[] = {
        {"file:///app/survey/side.htm#cat12", 12},
        {"file:///app/survey/side.htm#cat7#cat9", 7},
        {"#cat0", 0},
        {"file:///app/survey/side.htm", -1},
        {"file:///app/survey/side.htm#CAT5", -1},
        {"#cat", -1},
        {"#catx12", -1},
        {"#cat12abc", -1},
        {"#cat99999999999", -1},
        {"#cat-4", -4},
        {"#cat40000", 40000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(getCat(QString::fromUtf8(c.url)), c.expected) << c.url;
}

TEST(SurveyLinks, CategoryLinksNeedAnIdThatFitsSixteenBits) {
    EXPECT_EQ(categoryLinkId(QStringLiteral("#cat32767")), std::optional<qint16>(32767));
    EXPECT_FALSE(categoryLinkId(QStringLiteral("#cat32768")));
    EXPECT_FALSE(categoryLinkId(QStringLiteral("#cat-1")));
    EXPECT_FALSE(categoryLinkId(QStringLiteral("#catabc")));
}

TEST(SurveyLinks, TheFirstRuleThatHoldsDecides) {
    const struct {
        const char* url;
        SurveyLink expected;
    } cases[] = {
        {"file:///app/survey/bottom.htm#Back", SurveyLink::Close},
        {"file:///app/survey/main.htm?R1=V2#Back", SurveyLink::Close},
        {"file:///app/survey/main.htm?R101=V2", SurveyLink::StoreAnswers},
        {"file:///app/survey/main.htm?R101=V2#cat7", SurveyLink::StoreAnswers},
        {"file:///app/survey/main.htm?glsR1=V2", SurveyLink::StoreAnswers},
        {"file:///app/survey/main.htm#gls1A1", SurveyLink::Definition},
        {"file:///app/survey/main.htm#cat7gls1A1", SurveyLink::Definition},
        // Only the text after the last "#" holds a code.
        {"file:///app/survey/main.htm#gls1A1#cat7", SurveyLink::Category},
        {"file:///app/survey/side.htm#cat7", SurveyLink::Category},
        {"file:///app/survey/side.htm#CAT5", SurveyLink::Other},
        {"file:///app/survey/side.htm#back", SurveyLink::Other},
        {"file:///app/survey/side.htm#catabc", SurveyLink::Other},
        {"file:///app/survey/survey.htm", SurveyLink::Other},
        {"file:///app/survey/main.htm#NXT", SurveyLink::Other},
        {"file:///app/survey/main.htm#Back#cat7", SurveyLink::Category},
        {"file:///app/survey/main.htm#cat7#Back", SurveyLink::Close},
    };
    for (const auto& c : cases)
        EXPECT_EQ(classifySurveyLink(QString::fromUtf8(c.url)), c.expected) << c.url;
}

TEST(SurveyLinks, FolderLettersAreNeverALinkCode) {
    // The questionnaire's own pages load from the application folder, wherever it is installed.
    for (const char* folder : {"file:///home/glsmith/tova/", "file:///opt/Backup/tova/", "file:///srv/a%23Back/"}) {
        const QString app = QString::fromUtf8(folder);
        for (const char* page : {"survey/survey.htm", "survey/side.htm", "survey/main.htm", "survey/bottom.htm"})
            EXPECT_EQ(classifySurveyLink(app + QString::fromUtf8(page)), SurveyLink::Other) << folder << page;
        EXPECT_EQ(classifySurveyLink(app + QStringLiteral("survey/side.htm#cat7")), SurveyLink::Category);
        EXPECT_EQ(classifySurveyLink(app + QStringLiteral("survey/main.htm#gls1A1")), SurveyLink::Definition);
        EXPECT_EQ(classifySurveyLink(app + QStringLiteral("survey/bottom.htm#Back")), SurveyLink::Close);
        EXPECT_EQ(classifySurveyLink(app + QStringLiteral("survey/main.htm?R1=V2")), SurveyLink::StoreAnswers);
    }
}

TEST(SurveyLinks, StatusMarksAndTreeScripts) {
    EXPECT_EQ(statusMark(QStringLiteral("complete")), std::optional<QString>(QStringLiteral("c")));
    EXPECT_EQ(statusMark(QStringLiteral("incomplete")), std::optional<QString>(QStringLiteral("i")));
    EXPECT_EQ(statusMark(QStringLiteral("noquestions")), std::optional<QString>(QStringLiteral("nq")));
    EXPECT_FALSE(statusMark(QStringLiteral("Complete")));
    EXPECT_FALSE(statusMark(QString()));

    EXPECT_EQ(swapImageScript(QStringLiteral("12"), QStringLiteral("c")),
              QStringLiteral("swapImageWithHref(\"#cat12\",\"c\")"));
    EXPECT_EQ(highlightScript(QStringLiteral("CAT12")), QStringLiteral("findAndHighlight(\"#cat12\")"));
    // A hostile id from a damaged questionnaire cannot break out of the string literal.
    EXPECT_EQ(swapImageScript(QStringLiteral("1\");alert(\"x"), QStringLiteral("c")),
              QStringLiteral("swapImageWithHref(\"#cat1\\\");alert(\\\"x\",\"c\")"));
}
