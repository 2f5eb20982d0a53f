// The project trend charts: which reviews become points, their order, labels and values, and the
// pictures written for the two trend screens.
#include "reports/charts/ui/TrendCharts.h"
#include "platform/AppFolder.h"
#include "platform/chart/ui/ChartRenderer.h"
#include "reports/ReportPipeline.h"
#include "reports/SectionOrder.h"
#include "reports/TrendScreens.h"
#include "reports/charts/TrendData.h"
#include "reports/charts/ui/frmProjectTrendDetail.h"
#include "reports/charts/ui/frmProjectTrendGraph.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/Scoring.h"
#include "support/FakeBrowser.h"
#include "support/ParsedXml.h"
#include "support/TestEnvironment.h"

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>

#include <gtest/gtest.h>

using namespace tova::test;
using Reports::TrendKind;

namespace {

struct PlannedReview {
    int phase;
    QString date;
    bool complete = true;
    QString answer = QStringLiteral("1");
};

// A review answering every question of its phase (all but one when incomplete).
QString reviewXml(int id, const PlannedReview& planned) {
    QString xml = QStringLiteral("<review id=\"%1\"><phase>%2</phase><date>%3</date>")
                      .arg(id)
                      .arg(planned.phase)
                      .arg(planned.date);
    const QList<Xml::XmlNode> ids = Globals::gDataDoc.selectNodes(
        QStringLiteral("data/survey/section/category/question[phase_id = %1]/question_id").arg(planned.phase));
    EXPECT_GT(ids.size(), 1);
    for (int i = planned.complete ? 0 : 1; i < ids.size(); ++i)
        xml += QStringLiteral("<response><question_id>%1</question_id><answer>%2</answer></response>")
                   .arg(ids.at(i).text().trimmed(), planned.answer);
    return xml + QStringLiteral("</review>");
}

Xml::XmlDocument project(const QList<PlannedReview>& reviews) {
    QString xml = QStringLiteral("<project ver=\"2.0\"><projectname>P</projectname><currentreview>1</currentreview>");
    for (int i = 0; i < reviews.size(); ++i)
        xml += reviewXml(i + 1, reviews.at(i));
    return parseXml(xml + QStringLiteral("</project>"));
}

QStringList labelsOf(const Reports::TrendData& data) {
    QStringList labels;
    for (const Reports::TrendPoint& point : data.points)
        labels.append(point.label);
    return labels;
}

class TrendChartsTest : public ::testing::Test {
protected:
    void SetUp() override {
        environment.copyAppFolder();
        Globals::ResetProjectState();
        Globals::LoadDatabase();
        ASSERT_FALSE(Globals::gDataDoc.documentElement().isNull());
    }
    void TearDown() override {
        Globals::ResetProjectState();
        QLocale::setDefault(QLocale::c());
    }

    TestEnvironment environment;
};

} // namespace

// What a review plots when its scores are written into a copy of the whole questionnaire.
QVector<double> valuesOnACopy(const Xml::XmlNode& review, TrendKind kind) {
    Xml::XmlDocument copy = Reports::CopyDatabase();
    Globals::ComputeScores(copy, review, qint16(review.selectSingleNode(QStringLiteral("phase")).text().toShort()));
    if (kind == TrendKind::Overall)
        return {Reports::ReviewIndex(copy)};
    QVector<double> values;
    for (qint16 id : Globals::gSectionOrder)
        values.append(Reports::SectionRisk(copy, id));
    return values;
}

TEST_F(TrendChartsTest, PointsCarryTheValuesOfAScoredCopyOfTheQuestionnaireInTheirOrder) {
    const QString unknownPhase = QStringLiteral("<review id=\"9\"><phase>99</phase><date>May 06, 2003</date></review>");
    const QString unreadablePhase =
        QStringLiteral("<review id=\"8\"><phase>x</phase><date>May 06, 2003</date></review>");
    const struct {
        const char* name;
        QList<PlannedReview> reviews;
        QString more; // reviews that no plan makes
        QStringList labels;
    } cases[] = {
        {"incomplete",
         {{1, QStringLiteral("Jan 10, 2003")},
          {2, QStringLiteral("Mar 15, 2003"), false},
          {3, QStringLiteral("May 06, 2003"), true, QStringLiteral("3")}},
         {},
         {"2003May06 (3)", "2003Jan10 (1)"}},
        {"equal dates",
         {{1, QStringLiteral("Jan 10, 2003"), true, QStringLiteral("4")},
          {2, QStringLiteral("Jan 10, 2003"), true, QStringLiteral("2")},
          {3, QStringLiteral("Jun 01, 2003")}},
         {},
         {"2003Jun01 (3)", "2003Jan10 (2)", "2003Jan10 (1)"}},
        {"unknown phases",
         {{4, QStringLiteral("Jan 10, 2003"), true, QStringLiteral("2")}},
         unknownPhase + unreadablePhase,
         {"2003Jan10 (4)"}},
        {"unreadable date and no scoring answer",
         {{1, QStringLiteral("Jan 10, 2003")},
          {5, QStringLiteral("not a date"), true, QStringLiteral("5")},
          {2, QStringLiteral("Jun 01, 2003"), true, QStringLiteral("3")}},
         {},
         {"2003Jun01 (2)", "2003Jan10 (1)", "not a date (5)"}},
    };
    for (const auto& c : cases) {
        QString xml =
            QStringLiteral("<project ver=\"2.0\"><projectname>P</projectname><currentreview>1</currentreview>");
        for (int i = 0; i < c.reviews.size(); ++i)
            xml += reviewXml(i + 1, c.reviews.at(i));
        const Xml::XmlDocument project = parseXml(xml + c.more + QStringLiteral("</project>"));
        for (const TrendKind kind : {TrendKind::Overall, TrendKind::PerSection}) {
            SCOPED_TRACE(std::string(c.name) + (kind == TrendKind::Overall ? " overall" : " per section"));
            const Reports::TrendData data = Reports::GatherTrend(project, kind);
            EXPECT_EQ(labelsOf(data), c.labels);
            for (const Reports::TrendPoint& point : data.points) {
                bool found = false;
                for (const Xml::XmlNode& node : project.selectNodes(QStringLiteral("project/review"))) {
                    if (Reports::TrendLabel(node.selectSingleNode(QStringLiteral("date")).text(),
                                            node.selectSingleNode(QStringLiteral("phase")).text()) != point.label)
                        continue;
                    found = true;
                    EXPECT_EQ(point.values, valuesOnACopy(node, kind)) << point.label.toStdString();
                }
                EXPECT_TRUE(found) << point.label.toStdString();
            }
        }
    }
}

TEST_F(TrendChartsTest, TheScreenIsBuiltUnderTheBusyCursorWhichGoesAlsoWhenTheBuildFails) {
    Globals::gProjectDoc = project({{1, QStringLiteral("Jan 10, 2003")}, {2, QStringLiteral("Mar 15, 2003")}});
    Globals::gCurrentReview = Globals::gProjectDoc.selectSingleNode(QStringLiteral("project/review"));
    const auto busyCursorUp = [] {
        return QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
    };
    enum class Fault { None, PictureNotWritten, StyleSheetMissing };
    const struct {
        const char* name;
        Fault fault;
    } cases[] = {{"shown", Fault::None},
                 {"picture not written", Fault::PictureNotWritten},
                 {"style sheet missing", Fault::StyleSheetMissing}};
    for (const auto& c : cases) {
        for (const TrendKind kind : {TrendKind::Overall, TrendKind::PerSection}) {
            SCOPED_TRACE(std::string(c.name) + (kind == TrendKind::Overall ? " overall" : " per section"));
            const Reports::ReportRow& row =
                kind == TrendKind::Overall ? Reports::projectTrendGraphRow() : Reports::projectTrendDetailRow();
            environment.copyAppFolder(QStringLiteral("app-%1-%2").arg(int(c.fault)).arg(int(kind)));
            if (c.fault == Fault::PictureNotWritten) {
                const QString picture = tova::appPath(QFileInfo(row.pageFile).path() + QStringLiteral("/graph.png"));
                QFile::remove(picture);
                ASSERT_TRUE(QDir().mkpath(picture));
            }
            if (c.fault == Fault::StyleSheetMissing)
                ASSERT_TRUE(QFile::remove(tova::appPath(row.styleSheet)));
            // Whether the busy cursor was up when the page was shown or the user was told something.
            QList<bool> busy;
            environment.messages.clear();
            environment.messages.setOnAsk([&](const tova::test::AskedMessage&) { busy.append(busyCursorUp()); });
            tova::test::FakeBrowser browser(QStringLiteral("webMain"));
            browser.onNavigate = [&](const QString&) { busy.append(busyCursorUp()); };

            Reports::GoToTrendScreen(kind, browser);

            EXPECT_EQ(busy.size(), c.fault == Fault::PictureNotWritten ? 2 : 1);
            EXPECT_FALSE(busy.contains(false));
            EXPECT_EQ(environment.messages.asked().size(), c.fault == Fault::None ? 0 : 1);
            EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        }
    }
    environment.messages.setOnAsk({});
}

TEST_F(TrendChartsTest, OnlyCompleteReviewsBecomePointsNewestFirst) {
    const Reports::TrendData data = Reports::GatherTrend(project({{1, QStringLiteral("Jan 10, 2003")},
                                                                  {2, QStringLiteral("Mar 15, 2003"), false},
                                                                  {3, QStringLiteral("May 06, 2003")}}),
                                                         TrendKind::Overall);

    EXPECT_EQ(labelsOf(data), QStringList({"2003May06 (3)", "2003Jan10 (1)"}));
    EXPECT_EQ(data.seriesNames, QStringList({"Review Index"}));
    ASSERT_EQ(data.points.size(), 2);
    EXPECT_DOUBLE_EQ(data.points.first().date, Reports::OleDate(QDate(2003, 5, 6)));
    EXPECT_DOUBLE_EQ(Reports::OleDate(QDate(1899, 12, 31)), 1.0);
}

TEST_F(TrendChartsTest, IncreasingDatesComeOutReversedEachPointKeepingItsValues) {
    // Answer 1 and answer 4 give different scores, so the values show which review they belong to.
    const PlannedReview older{1, QStringLiteral("Jan 10, 2003"), true, QStringLiteral("1")};
    const PlannedReview newer{1, QStringLiteral("Feb 10, 2003"), true, QStringLiteral("4")};
    const Reports::TrendData alone = Reports::GatherTrend(project({newer}), TrendKind::PerSection);
    const Reports::TrendData both = Reports::GatherTrend(project({older, newer}), TrendKind::PerSection);

    ASSERT_EQ(alone.points.size(), 1);
    ASSERT_EQ(both.points.size(), 2);
    EXPECT_EQ(both.points.first().label, QStringLiteral("2003Feb10 (1)"));
    EXPECT_EQ(both.points.first().values, alone.points.first().values);
    EXPECT_NE(both.points.first().values, both.points.last().values);
}

TEST_F(TrendChartsTest, ReviewsOfOneDateFollowTheExchangeOrder) {
    const Reports::TrendData data = Reports::GatherTrend(project({{1, QStringLiteral("Jan 10, 2003")},
                                                                  {2, QStringLiteral("Jan 10, 2003")},
                                                                  {3, QStringLiteral("Jun 01, 2003")}}),
                                                         TrendKind::Overall);
    EXPECT_EQ(labelsOf(data), QStringList({"2003Jun01 (3)", "2003Jan10 (2)", "2003Jan10 (1)"}));
}

TEST_F(TrendChartsTest, ReviewWithAnUnreadableDateStandsJustBeforeTheOldest) {
    const Reports::TrendData data = Reports::GatherTrend(project({{1, QStringLiteral("Jan 10, 2003")},
                                                                  {2, QStringLiteral("not a date")},
                                                                  {3, QStringLiteral("Jun 01, 2003")}}),
                                                         TrendKind::Overall);
    EXPECT_EQ(labelsOf(data), QStringList({"2003Jun01 (3)", "2003Jan10 (1)", "not a date (2)"}));
    ASSERT_EQ(data.points.size(), 3);
    // Plotted at its date, it would stretch the time axis back to 1899.
    EXPECT_DOUBLE_EQ(data.points.last().date, Reports::OleDate(QDate(2003, 1, 10)) - 1.0);
}

TEST_F(TrendChartsTest, WithoutCompleteReviewsThereIsNothingButThePictureIsStillWritten) {
    const Xml::XmlDocument incomplete = project({{1, QStringLiteral("Jan 10, 2003"), false}});
    const Reports::TrendData data = Reports::GatherTrend(incomplete, TrendKind::PerSection);
    EXPECT_TRUE(data.points.isEmpty());
    EXPECT_TRUE(data.seriesNames.isEmpty());
    EXPECT_TRUE(Reports::GatherTrend(Xml::XmlDocument(), TrendKind::Overall).points.isEmpty());

    Globals::gProjectDoc = incomplete;
    frmProjectTrendGraph::GenerateProjectTrendGraph(Xml::XmlDocument());
    EXPECT_EQ(QImage(tova::appPath(QStringLiteral("projecttrendgraph/graph.png"))).size(),
              QSize(641, 277) * tova::kSavedPixelRatio);
    EXPECT_TRUE(environment.messages.asked().isEmpty());
}

TEST_F(TrendChartsTest, PerSectionSeriesFollowTheSectionOrderAndThePictureGoesToTheDetailFolder) {
    Globals::gProjectDoc = project({{2, QStringLiteral("May 06, 2003")}});
    const Reports::TrendData data = Reports::GatherTrend(Globals::gProjectDoc, TrendKind::PerSection);
    QStringList expected;
    for (int id : {2, 3, 1, 4, 0})
        expected.append(
            Globals::gDataDoc
                .selectSingleNode(QStringLiteral("data/survey/section[section_id = %1]/section_desc").arg(id))
                .text());
    EXPECT_EQ(data.seriesNames, expected);
    ASSERT_EQ(data.points.size(), 1);
    EXPECT_EQ(data.points.first().values.size(), 5);

    const QString picture = tova::appPath(QStringLiteral("projecttrenddetail/graph.png"));
    QFile::remove(picture);
    frmProjectTrendDetail::GenerateProjectTrendDetail(Xml::XmlDocument());
    EXPECT_EQ(QImage(picture).size(), QSize(665, 277) * tova::kSavedPixelRatio);
    // One folder whatever the letter case of its name.
    EXPECT_TRUE(QFile::exists(tova::appPath(QStringLiteral("ProjectTrendDetail/graph.png"))));
}

TEST(TrendValues, ReviewIndexIsTheSurveyScoreToOneDecimalHalvesToEven) {
    const struct {
        const char* score;
        double plotted;
    } cases[] = {{"66.6666666666667", 66.7}, {"100", 100}, {"72.25", 72.2}, {"72.75", 72.8}, {"0", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.score);
        const Xml::XmlDocument copy =
            parseXml(QStringLiteral("<data><survey><score>%1</score></survey></data>").arg(QLatin1String(c.score)));
        EXPECT_DOUBLE_EQ(Reports::ReviewIndex(copy), c.plotted);
    }
}

TEST(TrendValues, SectionValueIsHundredLessItsScoreUnlessTheScoreRoundsToNothing) {
    const struct {
        const char* score; // nullptr: the section has no score
        double plotted;
    } cases[] = {{"72.5", 27.5}, {"0", 100}, {"0.04", 100}, {"0.06", 99.94}, {"-3", 100}, {"100", 0}, {nullptr, 100}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.score ? c.score : "none");
        const QString score = c.score ? QStringLiteral("<score>%1</score>").arg(QLatin1String(c.score)) : QString();
        const Xml::XmlDocument copy = parseXml(
            QStringLiteral("<data><survey><section><section_id>3</section_id>%1</section></survey></data>").arg(score));
        EXPECT_DOUBLE_EQ(Reports::SectionRisk(copy, 3), c.plotted);
    }
}

TEST(TrendValues, LabelsReadStoredDatesAndNameTheMonthInTheUsersLanguage) {
    EXPECT_EQ(Reports::TrendLabel(QStringLiteral("May 06, 2003"), QStringLiteral("2")),
              QStringLiteral("2003May06 (2)"));
    EXPECT_EQ(Reports::TrendLabel(QStringLiteral("not a date"), QStringLiteral("2")), QStringLiteral("not a date (2)"));

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // Stored in English, read all the same; shown in German.
    EXPECT_EQ(Reports::ReadReviewDate(QStringLiteral("Dec 24, 2004")), QDate(2004, 12, 24));
    EXPECT_EQ(Reports::TrendLabel(QStringLiteral("May 06, 2003"), QStringLiteral("2")),
              QStringLiteral("2003Mai06 (2)"));
    QLocale::setDefault(QLocale::c());

    EXPECT_FALSE(Reports::ReadReviewDate(QStringLiteral("Feb 30, 2003")));
}

TEST(TrendValues, ReviewDatesReadInTheUsersNumericFormsThenInEnglish) {
    const struct {
        const char* locale;
        const char* text;
        const char* read; // the date read, "" when none
    } cases[] = {
        // The locale's short form has a two-digit year; the year written in full reads as well.
        {"de_DE", "14.03.2025", "2025-03-14"},
        {"en_US", "3/14/2025", "2025-03-14"},
        {"fr_FR", "02/09/2025", "2025-09-02"},
        {"tr_TR", "14.03.2025", "2025-03-14"},
        {"ja_JP", "2025/03/14", "2025-03-14"},
        {"fr_FR", "14.03.2025", ""},
        // The stored English form under every locale, also where the month's name differs.
        {"C", "May 06, 2003", "2003-05-06"},
        {"en_US", "May 06, 2003", "2003-05-06"},
        {"de_DE", "May 06, 2003", "2003-05-06"},
        {"fr_FR", "May 06, 2003", "2003-05-06"},
        {"tr_TR", "May 06, 2003", "2003-05-06"},
        {"ja_JP", "May 06, 2003", "2003-05-06"},
        {"tr_TR", "Oct 16, 2003", "2003-10-16"},
        {"fr_FR", "Dec 24, 2004", "2004-12-24"},
        // The stored form with a letter for a digit is no date.
        {"C", "May 06, 2O03", ""},
        {"de_DE", "May 0x, 2003", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.text);
        QLocale::setDefault(QLocale(QLatin1String(c.locale)));
        const std::optional<QDate> read = Reports::ReadReviewDate(QLatin1String(c.text));
        QLocale::setDefault(QLocale::c());
        // A date before year 1 has no ISO text, so whether a date was read is asked apart.
        EXPECT_EQ(read.has_value(), *c.read != '\0');
        EXPECT_EQ(read ? read->toString(Qt::ISODate).toStdString() : std::string(), c.read);
    }
}

TEST_F(TrendChartsTest, AReviewOfAPhaseWithoutQuestionsIsNoPoint) {
    // With nothing to answer it would count as complete with a perfect score.
    const QString xml =
        QStringLiteral("<project ver=\"2.0\"><projectname>P</projectname><currentreview>1</currentreview>") +
        reviewXml(1, {1, QStringLiteral("Jan 10, 2003")}) +
        QStringLiteral("<review id=\"2\"><phase>99</phase><date>May 06, 2003</date></review></project>");
    const Reports::TrendData data = Reports::GatherTrend(parseXml(xml), TrendKind::Overall);
    EXPECT_EQ(labelsOf(data), QStringList({"2003Jan10 (1)"}));
}
