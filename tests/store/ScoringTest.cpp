// Completion marks, scores and the number format of scored copies. Scored copies are compared as
// whole documents, so a misplaced or doubled element fails as surely as a wrong number.
#include "StoreTestSupport.h"

#include "store/Database.h"
#include "store/Reviews.h"
#include "store/Scoring.h"

#include <QLocale>

#include <cmath>

using namespace tova::test;

namespace {

QString reviewXml(const QList<QPair<QString, QString>>& answers, const QString& phase = "1")
{
    QString xml = "<review id=\"1\"><phase>" + phase + "</phase><date>May 06, 2003</date>";
    for (const auto& [question, answer] : answers)
        xml += "<response><question_id>" + question + "</question_id><answer>" + answer + "</answer></response>";
    return xml + "</review>";
}

struct ScoringCase {
    const char* name;
    const char* data;
    QList<QPair<QString, QString>> answers;
    const char* expected;
};

// Two questions of one category, weights 1 and 3.
const char* kOneCategory = R"(<data><survey>
  <section><section_id>0</section_id><section_weight>1</section_weight>
    <category><category_id>1</category_id>
      <question><question_id>11</question_id><phase_id>1</phase_id><weight>1</weight>
        <answer1weight>100</answer1weight><answer2weight>0</answer2weight><answer3weight>50</answer3weight></question>
      <question><question_id>12</question_id><phase_id>1</phase_id><weight>3</weight>
        <answer1weight>100</answer1weight><answer2weight>0</answer2weight><answer3weight>50</answer3weight></question>
      <question><question_id>13</question_id><phase_id>2</phase_id><weight>1</weight>
        <answer1weight>100</answer1weight></question>
    </category></section></survey></data>)";

// Two sections of one question each, section weights 1 and 1.
const char* kTwoSections = R"(<data><survey>
  <section><section_id>0</section_id><section_weight>1</section_weight>
    <category><category_id>1</category_id>
      <question><question_id>11</question_id><phase_id>1</phase_id><weight>1</weight>
        <answer1weight>100</answer1weight><answer3weight>50</answer3weight></question></category></section>
  <section><section_id>1</section_id><section_weight>1</section_weight>
    <category><category_id>2</category_id>
      <question><question_id>21</question_id><phase_id>1</phase_id><weight>1</weight>
        <answer1weight>100</answer1weight><answer3weight>50</answer3weight></question></category></section>
</survey></data>)";

// Weights 1 and 2 with answer weights 100 and 50: two thirds.
const char* kThirds = R"(<data><survey>
  <section><section_id>0</section_id><section_weight>1</section_weight>
    <category><category_id>1</category_id>
      <question><question_id>11</question_id><phase_id>1</phase_id><weight>1</weight>
        <answer1weight>100</answer1weight></question>
      <question><question_id>12</question_id><phase_id>1</phase_id><weight>2</weight>
        <answer3weight>50</answer3weight></question></category></section></survey></data>)";

class ScoringDocuments : public ::testing::TestWithParam<ScoringCase> {};

TEST_P(ScoringDocuments, WholeScoredCopyAsExpected)
{
    const ScoringCase& c = GetParam();
    Xml::XmlDocument copy = parseXml(c.data);
    const Xml::XmlDocument review = parseXml(reviewXml(c.answers));
    Globals::ComputeScores(copy, review, 1);
    EXPECT_EQ(copy.xml(), canonicalXml(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScoringDocuments,
    ::testing::Values(
        ScoringCase{"WeightsOneAndThreeGive25", kOneCategory, {{"11", "1"}, {"12", "2"}, {"13", "1"}},
                    R"(<data><survey>
  <section><section_id>0</section_id><section_weight>1</section_weight>
    <category><category_id>1</category_id>
      <question><question_id>11</question_id><phase_id>1</phase_id><weight>1</weight>
        <answer1weight>100</answer1weight><answer2weight>0</answer2weight><answer3weight>50</answer3weight><response>1</response></question>
      <question><question_id>12</question_id><phase_id>1</phase_id><weight>3</weight>
        <answer1weight>100</answer1weight><answer2weight>0</answer2weight><answer3weight>50</answer3weight><response>2</response></question>
      <question><question_id>13</question_id><phase_id>2</phase_id><weight>1</weight>
        <answer1weight>100</answer1weight></question>
    <score>25</score></category><score>25</score></section><score>75</score></survey></data>)"},
        ScoringCase{"FiveAndUnweightedAnswersAreNotScored", kOneCategory, {{"11", "5"}, {"12", "4"}},
                    R"(<data><survey>
  <section><section_id>0</section_id><section_weight>1</section_weight>
    <category><category_id>1</category_id>
      <question><question_id>11</question_id><phase_id>1</phase_id><weight>1</weight>
        <answer1weight>100</answer1weight><answer2weight>0</answer2weight><answer3weight>50</answer3weight><response>5</response></question>
      <question><question_id>12</question_id><phase_id>1</phase_id><weight>3</weight>
        <answer1weight>100</answer1weight><answer2weight>0</answer2weight><answer3weight>50</answer3weight><response>4</response></question>
      <question><question_id>13</question_id><phase_id>2</phase_id><weight>1</weight>
        <answer1weight>100</answer1weight></question>
    </category></section><score>100</score></survey></data>)"},
        ScoringCase{"UnansweredReviewScoresNothing", kOneCategory, {}, R"(<data><survey>
  <section><section_id>0</section_id><section_weight>1</section_weight>
    <category><category_id>1</category_id>
      <question><question_id>11</question_id><phase_id>1</phase_id><weight>1</weight>
        <answer1weight>100</answer1weight><answer2weight>0</answer2weight><answer3weight>50</answer3weight></question>
      <question><question_id>12</question_id><phase_id>1</phase_id><weight>3</weight>
        <answer1weight>100</answer1weight><answer2weight>0</answer2weight><answer3weight>50</answer3weight></question>
      <question><question_id>13</question_id><phase_id>2</phase_id><weight>1</weight>
        <answer1weight>100</answer1weight></question>
    </category></section><score>100</score></survey></data>)"},
        ScoringCase{"SectionScores50And100Give25", kTwoSections, {{"11", "3"}, {"21", "1"}}, R"(<data><survey>
  <section><section_id>0</section_id><section_weight>1</section_weight>
    <category><category_id>1</category_id>
      <question><question_id>11</question_id><phase_id>1</phase_id><weight>1</weight>
        <answer1weight>100</answer1weight><answer3weight>50</answer3weight><response>3</response></question>
    <score>50</score></category><score>50</score></section>
  <section><section_id>1</section_id><section_weight>1</section_weight>
    <category><category_id>2</category_id>
      <question><question_id>21</question_id><phase_id>1</phase_id><weight>1</weight>
        <answer1weight>100</answer1weight><answer3weight>50</answer3weight><response>1</response></question>
    <score>100</score></category><score>100</score></section>
<score>25</score></survey></data>)"},
        ScoringCase{"FractionsKeepFifteenDigits", kThirds, {{"11", "1"}, {"12", "3"}}, R"(<data><survey>
  <section><section_id>0</section_id><section_weight>1</section_weight>
    <category><category_id>1</category_id>
      <question><question_id>11</question_id><phase_id>1</phase_id><weight>1</weight>
        <answer1weight>100</answer1weight><response>1</response></question>
      <question><question_id>12</question_id><phase_id>1</phase_id><weight>2</weight>
        <answer3weight>50</answer3weight><response>3</response></question>
    <score>66.6666666666667</score></category><score>66.6666666666667</score></section>
<score>33.3333333333333</score></survey></data>)"}),
    [](const ::testing::TestParamInfo<ScoringCase>& info) { return std::string(info.param.name); });

// Ids or weights that do not parse never crash; what they touch is treated as missing.
TEST(ScoringOddQuestionnaire, UnreadableIdsAndWeightsAreSkipped)
{
    Xml::XmlDocument copy = parseXml(R"(<data><survey>
  <section><section_id>x</section_id><section_weight>1</section_weight>
    <category><category_id>99999</category_id>
      <question><question_id>11</question_id><phase_id>1</phase_id><weight>1</weight><answer1weight>100</answer1weight></question></category></section>
  <section><section_id>1</section_id><section_weight>heavy</section_weight>
    <category><category_id>2</category_id>
      <question><question_id>21</question_id><phase_id>1</phase_id><weight>1</weight><answer1weight>100</answer1weight></question>
      <question><question_id>22</question_id><phase_id>1</phase_id><weight>lots</weight><answer1weight>0</answer1weight></question>
    </category></section></survey></data>)");
    const Xml::XmlDocument review = parseXml(reviewXml({{"11", "1"}, {"21", "1"}, {"22", "1"}}));
    EXPECT_TRUE(Globals::MarkCategoryStatus(copy, 1, review));
    Globals::ComputeScores(copy, review, 1);
    EXPECT_EQ(copy.xml(), canonicalXml(R"(<data><survey>
  <section><section_id>x</section_id><section_weight>1</section_weight>
    <category><category_id>99999</category_id>
      <question><question_id>11</question_id><phase_id>1</phase_id><weight>1</weight><answer1weight>100</answer1weight></question>
    <status>noquestions</status></category></section>
  <section><section_id>1</section_id><section_weight>heavy</section_weight>
    <category><category_id>2</category_id>
      <question><question_id>21</question_id><phase_id>1</phase_id><weight>1</weight><answer1weight>100</answer1weight><response>1</response></question>
      <question><question_id>22</question_id><phase_id>1</phase_id><weight>lots</weight><answer1weight>0</answer1weight><response>1</response></question>
    <status>complete</status><score>100</score></category><score>100</score></section>
<score>100</score></survey></data>)"));
}

// ---- completion ----

struct CompletionCase {
    const char* name;
    qint16 phase;
    QList<QPair<QString, QString>> answers;
    bool complete;
    QStringList statuses; // categories 10, 11, 20
};

class Completion : public StoreTest, public ::testing::WithParamInterface<CompletionCase> {};

TEST_P(Completion, MarksEveryCategory)
{
    const CompletionCase& c = GetParam();
    Xml::XmlDocument copy = parseXml(Globals::gDataDoc.xml());
    const QString before = copy.xml();
    EXPECT_EQ(Globals::MarkCategoryStatus(copy, c.phase, parseXml(reviewXml(c.answers))), c.complete);
    QStringList statuses;
    for (const Xml::XmlNode& status : copy.selectNodes("data/survey/section/category/status"))
        statuses.append(status.text());
    EXPECT_EQ(statuses, c.statuses);
    // Nothing but one status per category was added.
    EXPECT_EQ(copy.selectNodes("//*").size(), parseXml(before).selectNodes("//*").size() + 3);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Completion,
    ::testing::Values(
        CompletionCase{"AllAnswered", 1, {{"101", "1"}, {"102", "2"}, {"201", "1"}, {"202", "2"}}, true,
                       {"complete", "noquestions", "complete"}},
        CompletionCase{"OneMissing", 1, {{"101", "1"}, {"102", "2"}, {"201", "1"}}, false,
                       {"complete", "noquestions", "incomplete"}},
        CompletionCase{"AnswersFiveCount", 1, {{"101", "5"}, {"102", "5"}, {"201", "5"}, {"202", "5"}}, true,
                       {"complete", "noquestions", "complete"}},
        CompletionCase{"OtherPhaseAnswersDoNotCount", 1, {{"103", "1"}, {"111", "1"}}, false,
                       {"incomplete", "noquestions", "incomplete"}},
        CompletionCase{"PhaseTwo", 2, {{"103", "1"}, {"111", "2"}}, true, {"complete", "complete", "noquestions"}},
        CompletionCase{"PhaseWithoutQuestionsIsComplete", 3, {}, true, {"noquestions", "noquestions", "noquestions"}},
        CompletionCase{"IdsCompareAsNumbers", 1, {{"0101", "1"}, {" 102 ", "1"}, {"201.0", "1"}, {"202", "1"}}, true,
                       {"complete", "noquestions", "complete"}}),
    [](const ::testing::TestParamInfo<CompletionCase>& info) { return std::string(info.param.name); });

class CountingReviews : public StoreTest {};

TEST_F(CountingReviews, EachReviewJudgedAgainstItsOwnPhase)
{
    EXPECT_EQ(Globals::CountCompleteReviews({}), 0);
    const Xml::XmlDocument project = parseXml(
        "<project>" + reviewXml({{"101", "1"}, {"102", "1"}, {"201", "1"}, {"202", "5"}}, "1") +
        reviewXml({{"101", "1"}}, "1") + reviewXml({{"103", "1"}, {"111", "1"}}, "2") + reviewXml({}, "3") +
        reviewXml({}, "one") + "</project>");
    EXPECT_EQ(Globals::CountCompleteReviews(project.selectNodes("project/review")), 3);
}

TEST_F(CountingReviews, DatabaseNeverChangesWhateverIsScored)
{
    const QString before = Globals::gDataDoc.xml();
    QList<Xml::XmlNode> reviews;
    for (int i = 0; i < 40; ++i) {
        const Xml::XmlDocument review = parseXml(reviewXml({{"101", QString::number(1 + i % 5)}, {"102", "2"}}, QString::number(1 + i % 3)));
        Xml::XmlDocument copy = parseXml(Globals::gDataDoc.xml());
        Globals::MarkCategoryStatus(copy, qint16(1 + i % 3), review);
        Globals::ComputeScores(copy, review, qint16(1 + i % 3));
        reviews.append(review.documentElement());
    }
    Globals::CountCompleteReviews(reviews);
    EXPECT_EQ(Globals::gDataDoc.xml(), before);
}

// ---- numbers ----

struct FormatCase {
    double value;
    const char* text;
};

TEST(Numbers, WrittenWithFifteenDigitsAndAPointUnderEveryLocale)
{
    const FormatCase cases[] = {{100, "100"},     {75, "75"},         {25.0, "25"},
                                {0, "0"},         {-0.0, "0"},        {200.0 / 3.0, "66.6666666666667"},
                                {0.5, "0.5"},     {1.0 / 3.0, "0.333333333333333"}, {12345678.9, "12345678.9"},
                                {-12.25, "-12.25"}};
    for (const char* locale : {"C", "de_DE", "fr_FR"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        for (const FormatCase& c : cases)
            EXPECT_EQ(Globals::FormatNumber(c.value), QString::fromLatin1(c.text)) << locale << " " << c.value;
    }
    QLocale::setDefault(QLocale::c());
}

TEST(Numbers, ReadWithAPointOrTheUsersSeparatorNeverGrouped)
{
    struct ParseCase {
        const char* locale;
        const char* text;
        bool ok;
        double value;
    };
    const ParseCase cases[] = {
        {"C", "1.5", true, 1.5},     {"C", " 2 ", true, 2},          {"C", "100", true, 100},
        {"C", "1,5", false, 0},      {"C", "1,000", false, 0},       {"C", "", false, 0},
        {"C", "abc", false, 0},      {"C", "inf", false, 0},         {"C", "nan", false, 0},
        {"de_DE", "1,5", true, 1.5}, {"de_DE", "1.5", true, 1.5},     {"de_DE", "66.6666666666667", true, 66.6666666666667},
    };
    for (const ParseCase& c : cases) {
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        bool ok = !c.ok;
        const double value = Globals::ParseNumber(QString::fromLatin1(c.text), &ok);
        EXPECT_EQ(ok, c.ok) << c.locale << " '" << c.text << "'";
        if (c.ok)
            EXPECT_DOUBLE_EQ(value, c.value) << c.locale << " '" << c.text << "'";
    }
    QLocale::setDefault(QLocale::c());
}

// Scores written and read back under a comma locale still mean the same number.
TEST(Numbers, ScoresUnderACommaLocaleUseAPoint)
{
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    Xml::XmlDocument copy = parseXml(kThirds);
    Globals::ComputeScores(copy, parseXml(reviewXml({{"11", "1"}, {"12", "3"}})), 1);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(copy.selectSingleNode("data/survey/score").text(), "33.3333333333333");
}

} // namespace
