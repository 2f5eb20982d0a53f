// The dashboard and priority dashboard charts: what each section plots, the question ordering
// through the shipped style sheet, and the pictures written into the screen folders.
#include "reports/charts/SectionCharts.h"
#include "platform/AppFolder.h"
#include "platform/chart/ui/ChartRenderer.h"
#include "reports/charts/QuestionOrder.h"
#include "reports/charts/ui/frmGraphs.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"
#include "support/ParsedXml.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

using namespace tova::test;

namespace {

QString category(const QString& description, const QString& score = QString()) {
    QString xml = QStringLiteral("<category><small_cat_desc>%1</small_cat_desc>").arg(description);
    if (!score.isNull())
        xml += QStringLiteral("<score>%1</score>").arg(score);
    return xml + QStringLiteral("</category>");
}

// A question of phase 1 answered with option 2, whose weight orders it.
QString answeredQuestion(int id, const QString& keyword, int weight, int answerWeight) {
    return QStringLiteral("<question><question_id>%1</question_id><question_keyword>%2</question_keyword>"
                          "<phase_id>1</phase_id><weight>%3</weight><answer2weight>%4</answer2weight>"
                          "<response>2</response></question>")
        .arg(id)
        .arg(keyword)
        .arg(weight)
        .arg(answerWeight);
}

QString section(int id, const QString& description, const QString& body, const QString& score = QString()) {
    QString xml =
        QStringLiteral("<section><section_id>%1</section_id><section_desc>%2</section_desc>").arg(id).arg(description);
    if (!score.isNull())
        xml += QStringLiteral("<score>%1</score>").arg(score);
    return xml + body + QStringLiteral("</section>");
}

Xml::XmlDocument scoredCopy(const QString& sections) {
    return parseXml(QStringLiteral("<data><survey>") + sections + QStringLiteral("</survey></data>"));
}

QString sortedQuestions(int count) {
    QString xml = QStringLiteral("<section>");
    for (int i = 1; i <= count; ++i)
        xml += QStringLiteral("<question><question_keyword>q%1</question_keyword><score>%2</score></question>")
                   .arg(i)
                   .arg(i * 10);
    return xml + QStringLiteral("</section>");
}

// A saved chart picture brought down to chart pixels.
QImage chartPicture(const QString& relative) {
    const QImage saved(tova::appPath(relative));
    return saved.scaled(saved.size() / tova::kSavedPixelRatio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QSize imageSize(const QString& relative) {
    return chartPicture(relative).size();
}

// True when every pixel from row `from` down is white.
bool whiteBelow(const QImage& image, int from) {
    for (int y = from; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

class SectionChartsTest : public ::testing::Test {
protected:
    void SetUp() override {
        environment.copyAppFolder();
        Globals::ResetProjectState();
        // The ordering style sheet picks the questions of the current review's phase.
        Globals::CreateProject(QStringLiteral("R"), QStringLiteral("P"), QString(), QString(), QString(), QString());
        ASSERT_TRUE(Globals::CreateReview(QStringLiteral("May 06, 2003"), 1));
    }
    void TearDown() override { Globals::ResetProjectState(); }

    TestEnvironment environment;
};

} // namespace

TEST(SectionCharts, CategoriesGiveOnePointEachRaisedToTenAndScoredWhenAnyHasAScore) {
    const Xml::XmlDocument copy = scoredCopy(
        section(2, QStringLiteral("Procurement"),
                category(QStringLiteral("A"), QStringLiteral("12.5")) + category(QStringLiteral("B")) +
                    category(QStringLiteral("C"), QStringLiteral("95")) +
                    category(QStringLiteral("D"), QStringLiteral("4.5"))) +
        section(0, QStringLiteral("Planning"), category(QStringLiteral("E")) + category(QStringLiteral("F"))));
    const QList<Xml::XmlNode> sections = copy.selectNodes(QStringLiteral("data/survey/section"));
    ASSERT_EQ(sections.size(), 2);

    const Reports::ScoreRow scored = Reports::CategoryRow(sections.at(0));
    EXPECT_TRUE(scored.hasScore);
    EXPECT_EQ(scored.values, QVector<double>({12.5, 10, 95, 10}));
    EXPECT_EQ(scored.labels, QStringList({"A", "B", "C", "D"}));

    const Reports::ScoreRow unscored = Reports::CategoryRow(sections.at(1));
    EXPECT_FALSE(unscored.hasScore);
    EXPECT_EQ(unscored.values, QVector<double>({10, 10}));
}

TEST(SectionCharts, PriorityRowsTakeAtMostEightQuestionsAndEightEmptyPointsWhenThereAreNone) {
    struct Case {
        Xml::XmlDocument sorted;
        int points;
        QString firstLabel;
        QString lastLabel;
    };
    const Case cases[] = {
        {parseXml(sortedQuestions(12)), 8, QStringLiteral("q1"), QStringLiteral("q8")},
        {parseXml(sortedQuestions(5)), 5, QStringLiteral("q1"), QStringLiteral("q5")},
        {parseXml(sortedQuestions(0)), 8, QString(), QString()},
        {Xml::XmlDocument(), 8, QString(), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.points);
        const Reports::ScoreRow row = Reports::PriorityRow(c.sorted);
        ASSERT_EQ(row.values.size(), c.points);
        ASSERT_EQ(row.labels.size(), c.points);
        EXPECT_EQ(row.labels.first(), c.firstLabel);
        EXPECT_EQ(row.labels.last(), c.lastLabel);
        // q1 scores 10 and q2 20; without questions every point is at 10.
        EXPECT_DOUBLE_EQ(row.values.first(), 10.0);
        if (c.firstLabel.isEmpty())
            EXPECT_DOUBLE_EQ(row.values.last(), 10.0);
        else
            EXPECT_DOUBLE_EQ(row.values.last(), c.points * 10.0);
    }
}

TEST_F(SectionChartsTest, OrderingPassesThePhaseAndTheSectionToTheStyleSheet) {
    const QString otherPhase = QStringLiteral("<question><question_id>9</question_id><question_keyword>other"
                                              "</question_keyword><phase_id>2</phase_id><weight>9</weight>"
                                              "<answer2weight>50</answer2weight><response>2</response></question>");
    const Xml::XmlDocument copy = scoredCopy(
        section(1, QStringLiteral("Other"),
                QStringLiteral("<category>") + answeredQuestion(5, QStringLiteral("elsewhere"), 9, 50) +
                    QStringLiteral("</category>")) +
        section(3, QStringLiteral("Site"),
                QStringLiteral("<category>") + answeredQuestion(1, QStringLiteral("light"), 1, 20) +
                    answeredQuestion(2, QStringLiteral("heavy"), 5, 70) + otherPhase + QStringLiteral("</category>"),
                QStringLiteral("40")));

    const Xml::XmlDocument sorted = Reports::SortQuestionsByWeight(copy, 3);
    ASSERT_FALSE(sorted.isNull());
    QStringList keywords;
    for (const Xml::XmlNode& question : sorted.selectNodes(QStringLiteral("section/question/question_keyword")))
        keywords.append(question.text());
    EXPECT_EQ(keywords, QStringList({"heavy", "light"}));
    EXPECT_TRUE(environment.messages.asked().isEmpty());

    // A section the copy does not hold has nothing to order.
    EXPECT_TRUE(Reports::SortQuestionsByWeight(copy, 4).selectNodes(QStringLiteral("section/question")).isEmpty());
}

TEST_F(SectionChartsTest, DashboardPicturesHaveTheTableSizesAndUnsizedIdsKeepThePreviousChart) {
    QString sections;
    for (int id : {2, 0, 1, 7, 4, 3})
        sections += section(id, QStringLiteral("Section %1").arg(id),
                            category(QStringLiteral("A"), QStringLiteral("50")) + category(QStringLiteral("B")));
    frmGraphs::GenerateSectionGraphs(scoredCopy(sections));

    EXPECT_EQ(imageSize(QStringLiteral("dashboard1/graph0.png")), QSize(370, 100));
    EXPECT_EQ(imageSize(QStringLiteral("dashboard1/graph4.png")), QSize(370, 100));
    for (int id : {1, 2, 3})
        EXPECT_EQ(imageSize(QStringLiteral("dashboard1/graph%1.png").arg(id)), QSize(375, 107));
    // Section 7 follows section 1 in the copy and is saved as section 1 left the chart.
    EXPECT_EQ(imageSize(QStringLiteral("dashboard1/graph7.png")), QSize(375, 107));
    EXPECT_TRUE(environment.messages.asked().isEmpty());
}

TEST_F(SectionChartsTest, SectionWithoutCategoryScoresGetsThePlaceholderPicture) {
    frmGraphs::GenerateSectionGraphs(scoredCopy(
        section(2, QStringLiteral("Procurement"), category(QStringLiteral("A"), QStringLiteral("60"))) +
        section(0, QStringLiteral("Planning"), category(QStringLiteral("A")) + category(QStringLiteral("B")))));

    const QImage scored = chartPicture(QStringLiteral("dashboard1/graph2.png"));
    const QImage placeholder = chartPicture(QStringLiteral("dashboard1/graph0.png"));
    ASSERT_FALSE(placeholder.isNull());
    EXPECT_FALSE(whiteBelow(scored, 40));
    // The header line alone: nothing drawn below it.
    EXPECT_FALSE(whiteBelow(placeholder, 0));
    EXPECT_TRUE(whiteBelow(placeholder, 40));
}

TEST_F(SectionChartsTest, PriorityChartsNeedTheSectionScoreAndGoToTheSecondDashboard) {
    const QString body = QStringLiteral("<category>") + answeredQuestion(1, QStringLiteral("k"), 1, 80) +
                         QStringLiteral("<score>80</score></category>");
    frmGraphs::GeneratePriorityGraphs(scoredCopy(section(3, QStringLiteral("Site"), body, QStringLiteral("80")) +
                                                 section(4, QStringLiteral("Client"), body)));

    EXPECT_EQ(imageSize(QStringLiteral("dashboard2/graph3.png")), QSize(375, 107));
    const QImage placeholder = chartPicture(QStringLiteral("dashboard2/graph4.png"));
    EXPECT_EQ(placeholder.size(), QSize(370, 100));
    EXPECT_TRUE(whiteBelow(placeholder, 40));
}

TEST_F(SectionChartsTest, MissingOrderingStyleSheetIsReportedOncePerScoredSection) {
    ASSERT_TRUE(QFile::remove(tova::appPath(QStringLiteral("dashboard2/sortbyqweight.xsl"))));
    const QString body = category(QStringLiteral("A"), QStringLiteral("50"));
    frmGraphs::GeneratePriorityGraphs(scoredCopy(section(1, QStringLiteral("One"), body, QStringLiteral("50")) +
                                                 section(2, QStringLiteral("Two"), body, QStringLiteral("50")) +
                                                 section(0, QStringLiteral("Unscored"), body)));

    ASSERT_EQ(environment.messages.asked().size(), 2);
    for (const AskedMessage& message : environment.messages.asked()) {
        EXPECT_EQ(message.text, QStringLiteral("Error loading sort by weight xsl"));
        EXPECT_EQ(message.icon, tova::MsgIcon::Critical);
        EXPECT_EQ(message.title, QStringLiteral("TOVA2"));
    }
    // The charts are drawn all the same.
    for (int id : {0, 1, 2})
        EXPECT_TRUE(QFile::exists(tova::appPath(QStringLiteral("dashboard2/graph%1.png").arg(id))));
}

TEST_F(SectionChartsTest, PicturesThatCannotBeWrittenAreReportedInOneMessage) {
    ASSERT_TRUE(QDir(tova::appPath(QStringLiteral("dashboard1"))).removeRecursively());
    const QString body = category(QStringLiteral("A"), QStringLiteral("50"));
    frmGraphs::GenerateSectionGraphs(
        scoredCopy(section(1, QStringLiteral("One"), body) + section(2, QStringLiteral("Two"), body)));

    ASSERT_EQ(environment.messages.asked().size(), 1);
    EXPECT_TRUE(environment.messages.asked().first().text.contains(QStringLiteral("graph1.png")));
    EXPECT_TRUE(environment.messages.asked().first().text.contains(QStringLiteral("graph2.png")));
}
