// Reviews and answers: new review ids, storing answers from a submitted form's address, the review
// copy, and ticking stored answers in the question page.
#include "StoreTestSupport.h"

#include "store/ProjectDocument.h"
#include "store/Reviews.h"
#include "support/FakeBrowser.h"

#include <QElapsedTimer>
#include <QTimer>

using namespace tova::test;

namespace {

class Reviews : public StoreTest {
protected:
    void openProjectWithReviewIds(const QStringList& ids, const QString& current = "1")
    {
        QString xml = "<project ver=\"2.0\"><projectname>P</projectname><currentreview>" + current + "</currentreview>";
        for (const QString& id : ids)
            xml += "<review id=\"" + id + "\"><phase>1</phase><date>d</date></review>";
        Globals::gProjectDoc = parseXml(xml + "</project>");
        Globals::gCurrentReview = Globals::gProjectDoc.selectSingleNode("project/review[@id = " + current + "]");
        Globals::gProjectSaved = true;
    }
    QStringList responses() const
    {
        QStringList pairs;
        for (const Xml::XmlNode& response : Globals::gCurrentReview.selectNodes("response"))
            pairs.append(response.selectSingleNode("question_id").text() + "=" + response.selectSingleNode("answer").text());
        return pairs;
    }
};

TEST_F(Reviews, NewReviewIdFollowsTheLargest)
{
    struct IdCase {
        QStringList existing;
        int expected;
    };
    const IdCase cases[] = {
        {{}, 1}, {{"1"}, 2}, {{"1", "3"}, 4}, {{"5"}, 6}, {{"3", "1"}, 4}, {{"-4"}, 2}, {{"x", "2"}, 3}, {{"40000"}, 2},
    };
    for (const IdCase& c : cases) {
        SCOPED_TRACE(c.existing.join(",").toStdString());
        if (c.existing.isEmpty())
            Globals::CreateProject("", "P", "", "", "", "");
        else
            openProjectWithReviewIds(c.existing, c.existing.first());
        Globals::gProjectSaved = true;
        ASSERT_TRUE(Globals::CreateReview("May 06, 2003", 2));
        const QString id = QString::number(c.expected);
        EXPECT_EQ(Globals::GetCurrentReviewID(), c.expected);
        EXPECT_EQ(Globals::gProjectDoc.selectSingleNode("project/currentreview").text(), id);
        EXPECT_EQ(Globals::GetReviews().last(), Globals::gCurrentReview);
        EXPECT_EQ(Globals::gCurrentReview.xml(), "<review id=\"" + id + "\"><phase>2</phase><date>May 06, 2003</date></review>");
        EXPECT_FALSE(Globals::gProjectSaved);
    }
}

TEST_F(Reviews, NoReviewIdPast32767)
{
    openProjectWithReviewIds({"1", "32767"});
    const QString before = Globals::GetProjectXML();
    const Xml::XmlNode current = Globals::gCurrentReview;
    EXPECT_FALSE(Globals::CreateReview("May 06, 2003", 1));
    EXPECT_EQ(Globals::GetProjectXML(), before);
    EXPECT_EQ(Globals::gCurrentReview, current);
    EXPECT_TRUE(Globals::gProjectSaved);
    ASSERT_EQ(env.messages.asked().size(), 1);
    EXPECT_TRUE(env.messages.asked().first().text.contains("32767"));
}

TEST_F(Reviews, ChoosingAReviewKeepsTheSavedFlag)
{
    openProjectWithReviewIds({"1", "2", "3"});
    Globals::SetCurrentReview(3);
    EXPECT_EQ(Globals::GetCurrentReviewID(), 3);
    EXPECT_EQ(Globals::gProjectDoc.selectSingleNode("project/currentreview").text(), "3");
    EXPECT_TRUE(Globals::gProjectSaved);
}

TEST_F(Reviews, CurrentReviewFieldsAndPhaseName)
{
    openNewProjectWithReview();
    EXPECT_EQ(Globals::GetCurrentPhase(), "1");
    EXPECT_EQ(Globals::GetCurrentReviewDate(), "May 06, 2003");
    EXPECT_EQ(Globals::GetPhaseDesc(), "Initiation");
    Globals::gCurrentReview.selectSingleNode("phase").setText("1 or 1=1");
    EXPECT_EQ(Globals::GetPhaseDesc(), "");
}

TEST_F(Reviews, ReviewCopySharesNothingWithTheProject)
{
    openNewProjectWithReview();
    const QString before = Globals::GetProjectXML();
    Xml::XmlDocument copy = Globals::GetCurrentReviewDoc();
    ASSERT_EQ(copy.documentElement().name(), "review");
    XMLhelpers::AddElement(copy, "response", "x", copy.documentElement());
    copy.documentElement().selectSingleNode("phase").setText("9");
    EXPECT_EQ(Globals::GetProjectXML(), before);
}

// ---- storing answers ----

struct SaveCase {
    const char* name;
    QStringList before;
    const char* url;
    QStringList after;
};

class StoringAnswers : public Reviews, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(StoringAnswers, ResponsesReplacedInOrder)
{
    const SaveCase& c = GetParam();
    openNewProjectWithReview();
    for (const QString& pair : c.before)
        Globals::SaveAnswers("x?R" + pair.section('=', 0, 0) + "=V" + pair.section('=', 1));
    Globals::gProjectSaved = true;
    Globals::SaveAnswers(c.url);
    EXPECT_EQ(responses(), c.after);
    EXPECT_FALSE(Globals::gProjectSaved);
    EXPECT_EQ(Globals::gCurrentReview.selectNodes("*").size(), 2 + c.after.size()) << "phase, date, responses";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoringAnswers,
    ::testing::Values(
        SaveCase{"TwoPairs", {}, "file:///C:/APP/RV/survey/questions.htm?R101=V2&R102=V5", {"101=2", "102=5"}},
        SaveCase{"AnsweredAgainMovesToTheEnd", {"101=2", "102=1"}, "q.htm?R101=V3", {"102=1", "101=3"}},
        SaveCase{"QuestionMarkAloneStoresNothing", {"101=2"}, "file:///survey/questions.htm?", {"101=2"}},
        SaveCase{"NoQueryAtAll", {}, "", {}},
        SaveCase{"OddFieldCountIgnoresTheLast", {}, "q.htm?R101=V2&R102", {"101=2"}},
        SaveCase{"WithoutQuestionMarkTheWholeTextCounts", {}, "R7=V1", {"7=1"}},
        SaveCase{"LowerCaseLettersStay", {}, "q.htm?R1r=V2v", {"1r=2v"}},
        SaveCase{"OnlyTheFirstQuestionMarkSplits", {}, "a?b?R3=V4", {"b?3=4"}},
        SaveCase{"TextComparisonOfIds", {"101=2"}, "q.htm?R0101=V1", {"101=2", "0101=1"}},
        SaveCase{"MarkupInAnAnswerIsText", {}, "q.htm?R5=V<b>&R6=V\"'", {"5=<b>", "6=\"'"}}),
    [](const ::testing::TestParamInfo<SaveCase>& info) { return std::string(info.param.name); });

// ---- ticking answers ----

struct TickCase {
    const char* name;
    qint16 category;
    qint16 phase;
    QStringList stored;
    QStringList scripts;
    QString message; // "" when none
};

class TickingAnswers : public Reviews, public ::testing::WithParamInterface<TickCase> {};

TEST_P(TickingAnswers, OneScriptLinePerStoredAnswer)
{
    const TickCase& c = GetParam();
    openNewProjectWithReview();
    for (const QString& pair : c.stored) {
        // Stored directly, so that answers the form could never send can be tested too.
        Xml::XmlNode response = XMLhelpers::AddElement(Globals::gProjectDoc, "response", "", Globals::gCurrentReview);
        XMLhelpers::AddElement(Globals::gProjectDoc, "question_id", pair.section('=', 0, 0), response);
        XMLhelpers::AddElement(Globals::gProjectDoc, "answer", pair.section('=', 1), response);
    }
    FakeBrowser browser;
    Globals::LoadAnswers(c.category, c.phase, browser);
    QStringList lines;
    for (const auto& [frame, line] : browser.scripts) {
        EXPECT_EQ(frame, "main");
        lines.append(line);
    }
    EXPECT_EQ(lines, c.scripts);
    EXPECT_EQ(env.messages.texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TickingAnswers,
    ::testing::Values(
        TickCase{"InQuestionOrder",
                 10,
                 1,
                 {"102=4", "101=1", "103=2", "201=1"},
                 {"document.survey.R101[0].checked = true", "document.survey.R102[3].checked = true"},
                 ""},
        TickCase{"CategoryWithoutQuestionsOfThePhase", 11, 1, {"111=1"}, {}, ""},
        TickCase{"UnansweredQuestionsAreSkipped", 10, 1, {"102=2"}, {"document.survey.R102[1].checked = true"}, ""},
        TickCase{"AnswerNotAWholeNumber",
                 10,
                 1,
                 {"101=2", "102=abc"},
                 {"document.survey.R101[1].checked = true"},
                 "Error 2 (the stored answer \"abc\" of question 102 is not a whole number) in procedure "
                 "LoadAnswers of Module Globals (progress:3)"},
        TickCase{"AnswerOutOfRange",
                 10,
                 1,
                 {"101=70000"},
                 {},
                 "Error 2 (the stored answer \"70000\" of question 101 is not a whole number) in procedure "
                 "LoadAnswers of Module Globals (progress:3)"}),
    [](const ::testing::TestParamInfo<TickCase>& info) { return std::string(info.param.name); });

TEST_F(Reviews, TickingStopsAtAButtonThePageLacks)
{
    openNewProjectWithReview();
    Globals::SaveAnswers("q?R101=V9&R102=V1");
    FakeBrowser browser;
    browser.failingScripts = true;
    Globals::LoadAnswers(10, 1, browser);
    EXPECT_EQ(browser.scripts.size(), 1);
    EXPECT_EQ(env.messages.texts(),
              QStringList{"Error 3 (answer 9 of question 101 has no button in the page) in procedure LoadAnswers of "
                          "Module Globals (progress:3)"});
}

TEST_F(Reviews, TickingWaitsForThePageToFinishLoading)
{
    openNewProjectWithReview();
    Globals::SaveAnswers("q?R101=V1");
    FakeBrowser browser;
    browser.busy = true;
    browser.completeFrames.clear();
    QTimer::singleShot(50, [&] { browser.busy = false; });
    QTimer::singleShot(100, [&] {
        EXPECT_TRUE(browser.scripts.isEmpty());
        browser.completeFrames.insert("main");
    });
    Globals::LoadAnswers(10, 1, browser);
    EXPECT_EQ(browser.scripts.size(), 1);
    EXPECT_TRUE(env.messages.asked().isEmpty());
}

TEST_F(Reviews, TickingGivesUpOnAPageThatNeverLoads)
{
    openNewProjectWithReview();
    Globals::SaveAnswers("q?R101=V1");
    FakeBrowser browser;
    browser.completeFrames.clear();
    QElapsedTimer timer;
    timer.start();
    Globals::LoadAnswers(10, 1, browser);
    EXPECT_LT(timer.elapsed(), 60000);
    EXPECT_TRUE(browser.scripts.isEmpty());
    ASSERT_EQ(env.messages.asked().size(), 1);
    EXPECT_TRUE(env.messages.texts().first().endsWith("(progress:0)"));
}

} // namespace
