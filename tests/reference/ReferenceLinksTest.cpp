// How the reference windows read link addresses, and that the links the shipped index pages make
// lead to existing entries.
#include "reference/ReferenceLinks.h"
#include "platform/AppFolder.h"
#include "platform/xml/XslTemplate.h"
#include "store/Database.h"
#include "support/TestEnvironment.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace tova;
using namespace tova::reference;

namespace {

TEST(GlossKey, TakesTheTextAfterTheLastHashLessEveryLowerCaseGls) {
    const struct {
        const char* address;
        const char* key;
    } cases[] = {
        {"file:///app/definitions/side.htm#gls1A1", "1A1"},
        {"#gls1A1", "1A1"},
        {"#GLS1A1", "GLS1A1"}, // only lower case is removed
        {"#glsAglsB", "AB"},
        {"#gglsls", "gls"}, // one pass over the original text
        {"gls1A1", "1A1"},  // no "#": the whole address
        {"file:///home/glsmith/definitions/side.htm#gls1A1", "1A1"},
        {"file:///app/x.htm", "file:///app/x.htm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(glossKey(QString::fromUtf8(c.address)), QString::fromUtf8(c.key)) << c.address;
}

TEST(GlossaryAction, CommandTable) {
    const struct {
        const char* address;
        GlossaryAction action;
    } cases[] = {
        {"file:///app/Library/ReworkPrimer.pdf", GlossaryAction::OpenPdf},
        {"file:///app/Library/ReworkPrimer.PDF", GlossaryAction::OpenPdf},
        {"file:///app/x.htm#PRT.pdf", GlossaryAction::OpenPdf}, // ".pdf" is tested before any command
        {"file:///app/x.pdf#NXT", GlossaryAction::PassOn},
        {"file:///app/definitions/side.htm#gls1A1", GlossaryAction::ShowTerm},
        {"file:///app/definitions/side.htm#GLS1A1", GlossaryAction::ShowTerm},
        {"#BCK", GlossaryAction::Close},
        {"#bckwards", GlossaryAction::Close}, // only three letters count
        {"#nul", GlossaryAction::ShowBlank},
        {"#PRT", GlossaryAction::Print},
        {"#FND", GlossaryAction::Find},
        {"#top#fnd", GlossaryAction::Find},
        {"#FND#top", GlossaryAction::PassOn},
        {"#NXT", GlossaryAction::PassOn},
        {"#FN", GlossaryAction::PassOn},
        // Without "#" the address's own first three characters are the command.
        {"GLS1A1", GlossaryAction::ShowTerm},
        {"bck.htm", GlossaryAction::Close},
        // A page address starts with its scheme, so folder letters are never a command.
        {"file:///home/glsmith/nul/definitions/side.htm", GlossaryAction::PassOn},
        {"file:///home/glsmith/definitions/side.htm#gls1A1", GlossaryAction::ShowTerm},
        {"", GlossaryAction::PassOn},
    };
    for (const auto& c : cases)
        EXPECT_EQ(glossaryAction(QString::fromUtf8(c.address)), c.action) << c.address;
}

TEST(AcronymLink, TestsInOrderAndCaseSensitive) {
    const struct {
        const char* address;
        AcronymAction action;
        const char* id;
    } cases[] = {
        {"file:///opt/tova/acronyms/side.htm#acr13", AcronymAction::ShowEntry, "13"},
        {"file:///opt/tova/acronyms/side.htm#acr013", AcronymAction::ShowEntry, "13"},
        {"#acr7", AcronymAction::ShowEntry, "7"},
        {"#acrx", AcronymAction::ShowEntry, ""}, // no number: nothing to show
        {"#ACR13", AcronymAction::PassOn, ""},
        // Four digits push "acr" out of the last six characters.
        {"file:///opt/tova/acronyms/side.htm#acr1234", AcronymAction::PassOn, ""},
        // "acr" wins over the letters of the other commands.
        {"#BCKacr1", AcronymAction::ShowEntry, "1"},
        {"file:///opt/tova/acronyms/main.htm#BCK", AcronymAction::Close, ""},
        {"file:///opt/tova/acronyms/main.htm#xBCKx", AcronymAction::Close, ""},
        {"file:///opt/tova/acronyms/main.htm#BCK#top", AcronymAction::PassOn, ""},
        {"#bck", AcronymAction::PassOn, ""},
        {"#PRT", AcronymAction::Print, ""},
        {"#BCKPRT", AcronymAction::Close, ""},
        // No PDF handling and no NUL or FND of its own.
        {"file:///opt/tova/Library/ReworkPrimer.pdf", AcronymAction::PassOn, ""},
        {"#NUL", AcronymAction::PassOn, ""},
        {"#FND", AcronymAction::PassOn, ""},
    };
    for (const auto& c : cases) {
        const AcronymLink link = acronymLink(QString::fromUtf8(c.address));
        EXPECT_EQ(link.action, c.action) << c.address;
        EXPECT_EQ(link.id, QString::fromUtf8(c.id)) << c.address;
    }
}

TEST(AcronymLink, FolderLettersAreNeverACommand) {
    for (const char* folder : {"file:///home/BCK/PRTools/tova/", "file:///home/macr/", "file:///srv/acr12/"}) {
        const QString app = QString::fromUtf8(folder);
        for (const char* page : {"acronyms/acronyms.htm", "acronyms/side.htm", "acr1", "x.htm"})
            EXPECT_EQ(acronymLink(app + QString::fromUtf8(page)).action, AcronymAction::PassOn) << folder << page;
        EXPECT_EQ(acronymLink(app + QStringLiteral("acronyms/side.htm#BCK")).action, AcronymAction::Close);
        EXPECT_EQ(acronymLink(app + QStringLiteral("acronyms/main.htm#PRT")).action, AcronymAction::Print);
        const AcronymLink entry = acronymLink(app + QStringLiteral("acronyms/side.htm#acr7"));
        EXPECT_EQ(entry.action, AcronymAction::ShowEntry);
        EXPECT_EQ(entry.id, QStringLiteral("7"));
    }
}

TEST(InstructionPages, ScreenNamesAreComparedExactlyAfterDroppingHtm) {
    const struct {
        const char* name;
        const char* page; // empty: no instructions
        int height;
        int width;
    } cases[] = {
        {"fishbone.htm", "Instructions/fishbone.htm", 7500, 8910},
        {"fishbone", "Instructions/fishbone.htm", 7500, 8910},
        {"fish.htmbone", "Instructions/fishbone.htm", 7500, 8910}, // every ".htm" goes
        {"dashboard1.htm", "Instructions/charts.htm", 9645, 9645},
        {"dashboard2", "Instructions/charts.htm", 9645, 9645},
        {"element.htm", "Instructions/charts.htm", 9645, 9645},
        {"Fishbone", "", 0, 0},
        {"tilechart.htm", "", 0, 0},
        {"scorecard.htm", "", 0, 0},
        {"fishbone.html", "", 0, 0},
        {"", "", 0, 0},
    };
    for (const auto& c : cases) {
        const std::optional<InstructionPage> page = instructionPageFor(QString::fromUtf8(c.name));
        if (*c.page == '\0') {
            EXPECT_FALSE(page.has_value()) << c.name;
            continue;
        }
        ASSERT_TRUE(page.has_value()) << c.name;
        EXPECT_EQ(page->page, QString::fromUtf8(c.page)) << c.name;
        EXPECT_EQ(page->heightTwips, c.height) << c.name;
        EXPECT_EQ(page->widthTwips, c.width) << c.name;
    }
}

// Every link of a generated index page, by the pattern of its addresses.
QStringList indexLinks(const QString& stylesheet, const QString& element, const QString& pattern) {
    Xml::XslTemplate sheet;
    EXPECT_TRUE(sheet.load(appPath(stylesheet)));
    Xml::XslProcessor processor = sheet.createProcessor();
    processor.setInput(Globals::gDataDoc.selectSingleNode(element));
    EXPECT_TRUE(processor.transform());
    QStringList links;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(processor.output());
    while (it.hasNext())
        links << it.next().captured(1);
    return links;
}

class ShippedIndexes : public ::testing::Test {
protected:
    void SetUp() override {
        Globals::LoadDatabase();
        ASSERT_FALSE(Globals::gDataDoc.isNull());
    }
    test::TestEnvironment env;
};

TEST_F(ShippedIndexes, EveryGlossaryLinkNamesExactlyOneTerm) {
    const QStringList links = indexLinks(QStringLiteral("definitions/glossindex.xsl"), QStringLiteral("data/glossary"),
                                         QStringLiteral("href=\"(#gls[^\"]*)\""));
    ASSERT_EQ(links.size(), Globals::gDataDoc.selectNodes(QStringLiteral("data/glossary/gloss_item")).size());
    for (const QString& link : links) {
        ASSERT_EQ(glossaryAction(QStringLiteral("file:///app/definitions/side.htm") + link), GlossaryAction::ShowTerm);
        const std::optional<QString> path = glossItemPath(glossKey(link));
        ASSERT_TRUE(path.has_value()) << link.toStdString();
        EXPECT_EQ(Globals::gDataDoc.selectNodes(*path).size(), 1) << link.toStdString();
    }
    // The windows open on this term.
    EXPECT_EQ(Globals::gDataDoc.selectNodes(*glossItemPath(QStringLiteral("1A1"))).size(), 1);
}

TEST_F(ShippedIndexes, EveryAcronymLinkNamesExactlyOneEntry) {
    const QStringList links = indexLinks(QStringLiteral("acronyms/acroindex.xsl"), QStringLiteral("data/acronyms"),
                                         QStringLiteral("href=\"(#acr[^\"]*)\""));
    ASSERT_EQ(links.size(), Globals::gDataDoc.selectNodes(QStringLiteral("data/acronyms/acronym")).size());
    for (const QString& link : links) {
        const AcronymLink parsed = acronymLink(QStringLiteral("file:///app/acronyms/side.htm") + link);
        ASSERT_EQ(parsed.action, AcronymAction::ShowEntry) << link.toStdString();
        EXPECT_EQ(Globals::gDataDoc.selectNodes(*acronymPath(parsed.id)).size(), 1) << link.toStdString();
    }
    EXPECT_EQ(Globals::gDataDoc.selectNodes(*acronymPath(QStringLiteral("13"))).size(), 1);
}

} // namespace
