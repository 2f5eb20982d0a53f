// Reviews and answers: new review ids, storing answers from a submitted form's address, the review
// copy, and ticking stored answers in the question page.
#include "StoreTestSupport.h"

#include "review/ReviewList.h"
#include "support/FakeBrowser.h"

#include <QElapsedTimer>
#include <QTimer>

using namespace tova::test;

namespace {

class Reviews : public StoreTest {
protected:
    void openWithReviewIds(const QStringList& ids) {
        QString xml = "<project><projectname>P</projectname><currentreview>" + ids.first() + "</currentreview>";
        for (const QString& id : ids)
            xml += "<review id=\"" + id + "\"><phase>1</phase><date>d</date></review>";
        Globals::gProjectDoc = parseXml(xml + "</project>");
        Globals::gCurrentReview = Globals::GetReviews().first();
        Globals::gProjectSaved = true;
    }
    QStringList responses() const {
        QStringList pairs;
        for (const Xml::XmlNode& response : Globals::gCurrentReview.selectNodes("response"))
            pairs.append(response.selectSingleNode("question_id").text() + "=" +
                         response.selectSingleNode("answer").text());
        return pairs;
    }
    void store(const QString& question, const QString& answer) {
        Xml::XmlNode response = XMLhelpers::AddElement(Globals::gProjectDoc, "response", "", Globals::gCurrentReview);
        XMLhelpers::AddElement(Globals::gProjectDoc, "question_id", question, response);
        XMLhelpers::AddElement(Globals::gProjectDoc, "answer", answer, response);
    }
};

TEST_F(Reviews, NewIdFollowsTheLargestAndStopsAt32767) {
    openNewProjectWithReview();
    EXPECT_EQ(Globals::GetCurrentReviewID(), 1);
    EXPECT_EQ(Globals::GetPhaseDesc(), "Initiation");
    // The review copy is detached from the project.
    const QString project = Globals::GetProjectXML();
    Xml::XmlDocument copy = Globals::GetCurrentReviewDoc();
    XMLhelpers::AddElement(copy, "response", "x", copy.documentElement());
    EXPECT_EQ(copy.documentElement().name(), "review");
    EXPECT_EQ(Globals::GetProjectXML(), project);

    const QPair<QStringList, int> cases[] = {
        {{"1"}, 2}, {{"1", "3"}, 4}, {{"5"}, 6}, {{"3", "1"}, 4}, {{"x", "-4", "40000"}, 2}};
    for (const auto& [existing, expected] : cases) {
        openWithReviewIds(existing);
        ASSERT_TRUE(Globals::CreateReview("May 06, 2003", 2));
        const QString id = QString::number(expected);
        EXPECT_EQ(Globals::gProjectDoc.selectSingleNode("project/currentreview").text(), id);
        EXPECT_EQ(Globals::GetReviews().last(), Globals::gCurrentReview);
        EXPECT_EQ(Globals::gCurrentReview.xml(),
                  "<review id=\"" + id + "\"><phase>2</phase><date>May 06, 2003</date></review>");
        EXPECT_FALSE(Globals::gProjectSaved);
    }
    openWithReviewIds({"1", "32767"});
    const QString before = Globals::GetProjectXML();
    EXPECT_FALSE(Globals::CreateReview("May 06, 2003", 1));
    EXPECT_EQ(Globals::GetProjectXML(), before);
    EXPECT_EQ(Globals::GetCurrentReviewID(), 1);
    EXPECT_TRUE(Globals::gProjectSaved);
    ASSERT_EQ(env.messages.asked().size(), 1);
    EXPECT_TRUE(env.messages.texts().first().contains("32767"));
}

struct SaveCase {
    const char* name;
    QStringList before;
    const char* url;
    QStringList after;
};

class StoringAnswers : public Reviews, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(StoringAnswers, ResponsesReplacedInOrder) {
    openNewProjectWithReview();
    for (const QString& pair : GetParam().before)
        store(pair.section('=', 0, 0), pair.section('=', 1));
    Globals::gProjectSaved = true;
    Globals::SaveAnswers(GetParam().url);
    EXPECT_EQ(responses(), GetParam().after);
    EXPECT_FALSE(Globals::gProjectSaved);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoringAnswers,
    ::testing::Values(SaveCase{"TwoPairs", {}, "file:///C:/APP/RV/questions.htm?R101=V2&R102=V5", {"101=2", "102=5"}},
                      SaveCase{"AnsweredAgainMovesToTheEnd", {"101=2", "102=1"}, "q.htm?R101=V3", {"102=1", "101=3"}},
                      SaveCase{"QuestionMarkAloneStoresNothing", {"101=2"}, "q.htm?", {"101=2"}},
                      SaveCase{"OddFieldCountIgnoresTheLast", {}, "q.htm?R101=V2&R102", {"101=2"}},
                      SaveCase{"OnlyUpperCaseMarkersGo", {}, "a?b?R1r=V2v", {"b?1r=2v"}},
                      SaveCase{"IdsCompareAsText", {"101=2"}, "q.htm?R0101=V1", {"101=2", "0101=1"}},
                      SaveCase{"FragmentIsNoPartOfTheLastAnswer", {}, "q.htm?R101=V2&R102=V5#cat3", {"101=2", "102=5"}},
                      SaveCase{"WithoutQuestionMarkTheWholeTextIsRead", {}, "R101=V2&R102=V5", {"101=2", "102=5"}},
                      SaveCase{"MarkupIsText", {}, "q.htm?R5=V<b>&R6=V\"'", {"5=<b>", "6=\"'"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct TickCase {
    const char* name;
    qint16 category;
    QStringList stored;
    QStringList scripts;
    bool failingScripts;
    QString error; // the error part of the message, "" for none
};

class TickingAnswers : public Reviews, public ::testing::WithParamInterface<TickCase> {};

TEST_P(TickingAnswers, OneScriptLinePerStoredAnswer) {
    const TickCase& c = GetParam();
    openNewProjectWithReview();
    for (const QString& pair : c.stored)
        store(pair.section('=', 0, 0), pair.section('=', 1));
    FakeBrowser browser;
    browser.failingScripts = c.failingScripts;
    Globals::LoadAnswers(c.category, 1, browser);
    QStringList lines;
    for (const auto& [frame, line] : browser.scripts)
        lines.append(frame + ": " + line);
    EXPECT_EQ(lines, c.scripts);
    EXPECT_EQ(env.messages.texts(),
              c.error.isEmpty() ? QStringList()
                                : QStringList{c.error + " in procedure LoadAnswers of Module Globals (progress:3)"});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TickingAnswers,
    ::testing::Values(TickCase{"InQuestionOrder",
                               10,
                               {"102=4", "103=2", "201=1", "101=1"},
                               {"main: document.survey.R101[0].checked = true",
                                "main: document.survey.R102[3].checked = true"},
                               false,
                               ""},
                      TickCase{"NoQuestionsOfThePhase", 11, {"111=1"}, {}, false, ""},
                      TickCase{"AnswerNotAWholeNumber",
                               10,
                               {"101=2", "102=abc"},
                               {"main: document.survey.R101[1].checked = true"},
                               false,
                               "Error 2 (the stored answer \"abc\" of question 102 is not a whole number)"},
                      TickCase{"AnswerOutOfRange",
                               10,
                               {"101=70000"},
                               {},
                               false,
                               "Error 2 (the stored answer \"70000\" of question 101 is not a whole number)"},
                      TickCase{"ButtonMissing",
                               10,
                               {"101=9", "102=1"},
                               {"main: document.survey.R101[8].checked = true"},
                               true,
                               "Error 3 (answer 9 of question 101 has no button in the page)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Reviews, TickingWaitsForThePageButNotForever) {
    openNewProjectWithReview();
    store("101", "1");
    FakeBrowser browser;
    browser.busy = true;
    browser.completeFrames.clear();
    QTimer::singleShot(50, [&] { browser.busy = false; });
    QTimer::singleShot(100, [&] { browser.completeFrames.insert("main"); });
    Globals::LoadAnswers(10, 1, browser);
    EXPECT_EQ(browser.scripts.size(), 1);
    EXPECT_TRUE(env.messages.asked().isEmpty());

    browser.scripts.clear();
    browser.completeFrames.clear();
    QElapsedTimer clock;
    clock.start();
    Globals::LoadAnswers(10, 1, browser);
    EXPECT_LT(clock.elapsed(), 60000);
    EXPECT_TRUE(browser.scripts.isEmpty());
    ASSERT_EQ(env.messages.asked().size(), 1);
    EXPECT_TRUE(env.messages.texts().first().endsWith("(progress:0)"));
}

} // namespace

// A questionnaire's answers can arrive after its window closed. They go to the review the window was
// opened for while it is a review of the open project, and are dropped once it is not: never stored
// into a review made later with its id, nor into the same review of the project opened again.
TEST_F(Reviews, LateAnswersReachOnlyTheReviewTheyWereSentFor) {
    struct Case {
        const char* name;
        std::function<void()> meanwhile;
        bool stored;
    };
    const Case cases[] = {
        {"review still there", [] {}, true},
        {"another review made current", [] { Globals::SetCurrentReview(1); }, true},
        {"review deleted and a new one made with its id",
         [this] {
             env.messages.queue(tova::MsgAnswer::Yes);
             tova::review::deleteReviewOfRow(QStringLiteral("review2"), {});
             ASSERT_TRUE(Globals::CreateReview(QStringLiteral("May 07, 2003"), 1));
             ASSERT_EQ(Globals::GetCurrentReviewID(), 2);
         },
         false},
        {"project opened again",
         [] {
             Globals::gProjectDoc = parseXml(Globals::GetProjectXML());
             Globals::gCurrentReview = Globals::GetReviews().last();
         },
         false},
    };
    for (const Case& c : cases) {
        openWithReviewIds({"1", "2"});
        Globals::SetCurrentReview(2);
        const Globals::ReviewRef sentFor = Globals::RefToReview(Globals::gCurrentReview);
        c.meanwhile();
        const QString before = Globals::GetProjectXML();
        EXPECT_EQ(Globals::SaveAnswersTo(sentFor, QStringLiteral("q.htm?R101=V2")), c.stored) << c.name;
        const Xml::XmlNode answer =
            Globals::gProjectDoc.selectSingleNode(QStringLiteral("project/review[@id = \"2\"]/response/answer"));
        if (c.stored)
            EXPECT_EQ(answer.text(), QStringLiteral("2")) << c.name;
        else
            EXPECT_EQ(Globals::GetProjectXML(), before) << c.name;
    }
}
