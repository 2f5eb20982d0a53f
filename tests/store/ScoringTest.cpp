// Completion marks, scores and the number format of scored copies. Scored copies are compared as
// whole documents, so a misplaced or doubled element fails as surely as a wrong number.
#include "StoreTestSupport.h"

#include "store/Scoring.h"

#include <QLocale>

using namespace tova::test;

namespace {

using Answers = QList<QPair<QString, QString>>;

QString review(const Answers& answers, const QString& phase = "1") {
    QString xml = "<review id=\"1\"><phase>" + phase + "</phase><date>d</date>";
    for (const auto& [question, answer] : answers)
        xml += "<response><question_id>" + question + "</question_id><answer>" + answer + "</answer></response>";
    return xml + "</review>";
}

// Questionnaire builders: every question offers options 1, 2 and 3 weighing 100, 0 and 50.
QString q(const QString& id, const QString& phase, const QString& weight, const QString& tail = "") {
    return "<question><question_id>" + id + "</question_id><phase_id>" + phase + "</phase_id><weight>" + weight +
           "</weight><answer1weight>100</answer1weight><answer2weight>0</answer2weight><answer3weight>50</"
           "answer3weight>" +
           tail + "</question>";
}
QString cat(const QString& id, const QString& body, const QString& tail = "") {
    return "<category><category_id>" + id + "</category_id>" + body + tail + "</category>";
}
QString sec(const QString& id, const QString& weight, const QString& body, const QString& tail = "") {
    return "<section><section_id>" + id + "</section_id><section_weight>" + weight + "</section_weight>" + body + tail +
           "</section>";
}
QString data(const QString& body, const QString& tail) {
    return "<data><survey>" + body + tail + "</survey></data>";
}
QString r(const char* answer) {
    return QString("<response>%1</response>").arg(answer);
}
QString score(const char* value) {
    return QString("<score>%1</score>").arg(value);
}

struct ScoringCase {
    const char* name;
    QString data;
    Answers answers;
    QString expected;
};

class ScoringDocuments : public ::testing::TestWithParam<ScoringCase> {};

TEST_P(ScoringDocuments, WholeScoredCopyAsExpected) {
    Xml::XmlDocument copy = parseXml(GetParam().data);
    Globals::ComputeScores(copy, parseXml(review(GetParam().answers)), 1);
    EXPECT_EQ(copy.xml(), GetParam().expected);
}

const QString kOneCategory = sec("0", "1", cat("1", q("11", "1", "1") + q("12", "1", "3") + q("13", "2", "1")));

INSTANTIATE_TEST_SUITE_P(
    Cases, ScoringDocuments,
    ::testing::Values(
        ScoringCase{
            "WeightsOneAndThreeGive25",
            data(kOneCategory, ""),
            {{"11", "1"}, {"12", "2"}, {"13", "1"}},
            data(sec("0", "1",
                     cat("1", q("11", "1", "1", r("1")) + q("12", "1", "3", r("2")) + q("13", "2", "1"), score("25")),
                     score("25")),
                 score("75"))},
        ScoringCase{
            "FiveAndUnweightedAnswersAddResponsesOnly",
            data(kOneCategory, ""),
            {{"11", "5"}, {"12", "4"}},
            data(sec("0", "1", cat("1", q("11", "1", "1", r("5")) + q("12", "1", "3", r("4")) + q("13", "2", "1"))),
                 score("100"))},
        ScoringCase{"SectionScores50And100Give25",
                    data(sec("0", "1", cat("1", q("11", "1", "1"))) + sec("1", "1", cat("2", q("21", "1", "1"))), ""),
                    {{"11", "3"}, {"21", "1"}},
                    data(sec("0", "1", cat("1", q("11", "1", "1", r("3")), score("50")), score("50")) +
                             sec("1", "1", cat("2", q("21", "1", "1", r("1")), score("100")), score("100")),
                         score("25"))},
        ScoringCase{"FractionsKeepFifteenDigits",
                    data(sec("0", "1", cat("1", q("11", "1", "1") + q("12", "1", "2"))), ""),
                    {{"11", "1"}, {"12", "3"}},
                    data(sec("0", "1",
                             cat("1", q("11", "1", "1", r("1")) + q("12", "1", "2", r("3")), score("66.6666666666667")),
                             score("66.6666666666667")),
                         score("33.3333333333333"))},
        // Ids and weights that do not parse are treated as missing, never guessed at.
        ScoringCase{"UnreadableIdsAndWeights",
                    data(sec("x", "1", cat("1", q("11", "1", "1"))) +
                             sec("1", "heavy", cat("99999", q("21", "1", "1")) + cat("2", q("22", "1", "lots"))),
                         ""),
                    {{"11", "1"}, {"21", "1"}, {"22", "1"}},
                    data(sec("x", "1", cat("1", q("11", "1", "1", r("1")), score("100"))) +
                             sec("1", "heavy", cat("99999", q("21", "1", "1")) + cat("2", q("22", "1", "lots", r("1"))),
                                 score("100")),
                         score("100"))},
        // Weights near the largest number overflow a plain sum; the means stay the numbers they are.
        ScoringCase{
            "HugeWeightsStillGiveNumbers",
            data(sec("0", "1e308", cat("1", q("11", "1", "1e308"))) + sec("1", "1", cat("2", q("21", "1", "1"))), ""),
            {{"11", "3"}, {"21", "1"}},
            data(sec("0", "1e308", cat("1", q("11", "1", "1e308", r("3")), score("50")), score("50")) +
                     sec("1", "1", cat("2", q("21", "1", "1", r("1")), score("100")), score("100")),
                 score("50"))}),
    [](const auto& info) { return std::string(info.param.name); });

struct CompletionCase {
    const char* name;
    qint16 phase;
    Answers answers;
    bool complete;
    QStringList statuses; // categories 10, 11, 20 of the test questionnaire
};

class Completion : public StoreTest, public ::testing::WithParamInterface<CompletionCase> {};

TEST_P(Completion, MarksEveryCategoryOnce) {
    const CompletionCase& c = GetParam();
    Xml::XmlDocument copy = parseXml(Globals::gDataDoc.xml());
    const int elements = int(copy.selectNodes("//*").size());
    EXPECT_EQ(Globals::MarkCategoryStatus(copy, c.phase, parseXml(review(c.answers))), c.complete);
    QStringList statuses;
    for (const Xml::XmlNode& status : copy.selectNodes("data/survey/section/category/status"))
        statuses.append(status.text());
    EXPECT_EQ(statuses, c.statuses);
    EXPECT_EQ(copy.selectNodes("//*").size(), elements + 3);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Completion,
    ::testing::Values(CompletionCase{"AllAnswered",
                                     1,
                                     {{"101", "1"}, {"102", "2"}, {"201", "1"}, {"202", "2"}},
                                     true,
                                     {"complete", "noquestions", "complete"}},
                      CompletionCase{"OneMissing",
                                     1,
                                     {{"101", "1"}, {"102", "2"}, {"201", "1"}},
                                     false,
                                     {"complete", "noquestions", "incomplete"}},
                      CompletionCase{"AnswersFiveCount",
                                     1,
                                     {{"101", "5"}, {"102", "5"}, {"201", "5"}, {"202", "5"}},
                                     true,
                                     {"complete", "noquestions", "complete"}},
                      CompletionCase{"OtherPhasesDoNotCount",
                                     1,
                                     {{"103", "1"}, {"111", "1"}},
                                     false,
                                     {"incomplete", "noquestions", "incomplete"}},
                      CompletionCase{
                          "PhaseWithoutQuestions", 3, {}, true, {"noquestions", "noquestions", "noquestions"}},
                      CompletionCase{"IdsCompareAsNumbers",
                                     1,
                                     {{"0101", "1"}, {" 102 ", "1"}, {"201.0", "1"}, {"202", "1"}},
                                     true,
                                     {"complete", "noquestions", "complete"}}),
    [](const auto& info) { return std::string(info.param.name); });

class CountingReviews : public StoreTest {};

TEST_F(CountingReviews, EachAgainstItsOwnPhaseAndTheDatabaseNeverChanges) {
    const QString before = Globals::gDataDoc.xml();
    EXPECT_EQ(Globals::CountCompleteReviews({}), 0);
    QString project = "<project>" + review({{"101", "1"}, {"102", "1"}, {"201", "1"}, {"202", "5"}}) +
                      review({{"101", "1"}}) + review({{"103", "1"}, {"111", "1"}}, "2") + review({}, "3") +
                      review({}, "one");
    for (int i = 0; i < 30; ++i) {
        const Xml::XmlDocument answers = parseXml(review({{"101", QString::number(1 + i % 5)}, {"102", "2"}}));
        Xml::XmlDocument copy = parseXml(Globals::gDataDoc.xml());
        Globals::MarkCategoryStatus(copy, qint16(1 + i % 3), answers);
        Globals::ComputeScores(copy, answers, qint16(1 + i % 3));
    }
    EXPECT_EQ(Globals::CountCompleteReviews(parseXml(project + "</project>").selectNodes("project/review")), 3);
    EXPECT_EQ(Globals::gDataDoc.xml(), before);
}

TEST(Numbers, WrittenWithAPointAndReadWithAPointOrTheUsersSeparator) {
    const QPair<double, const char*> written[] = {{100, "100"},
                                                  {25.0, "25"},
                                                  {-0.0, "0"},
                                                  {200.0 / 3, "66.6666666666667"},
                                                  {1.0 / 3, "0.333333333333333"},
                                                  {12345678.9, "12345678.9"},
                                                  {-12.25, "-12.25"}};
    struct Read {
        const char* text;
        bool ok;
        double value;
    };
    const Read readC[] = {{"1.5", true, 1.5},  {" 2 ", true, 2}, {"1,5", false, 0},
                          {"1,000", false, 0}, {"", false, 0},   {"inf", false, 0}};
    const Read readDe[] = {{"1,5", true, 1.5}, {"1.5", true, 1.5}, {"66.6666666666667", true, 66.6666666666667}};
    for (const char* locale : {"C", "de_DE"}) {
        QLocale::setDefault(QLocale(QString(locale)));
        for (const auto& [value, text] : written)
            EXPECT_EQ(Globals::FormatNumber(value), text) << locale;
        for (const Read& c : QString(locale) == "C" ? QList<Read>(std::begin(readC), std::end(readC))
                                                    : QList<Read>(std::begin(readDe), std::end(readDe))) {
            bool ok = !c.ok;
            EXPECT_DOUBLE_EQ(Globals::ParseNumber(c.text, &ok), c.value) << locale << " " << c.text;
            EXPECT_EQ(ok, c.ok) << locale << " " << c.text;
        }
    }
    QLocale::setDefault(QLocale::c());
}

} // namespace
