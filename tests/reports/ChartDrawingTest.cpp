// What the chart pictures say: trend points stand at their dates with time running left to right,
// every point gets its bar whatever its label, marks at the ends of the range are drawn whole, the
// legend keeps clear of the axis title, and the shipped questionnaire's names show whole.
#include "platform/chart/ui/ChartRenderer.h"
#include "reports/charts/ScoreChart.h"
#include "reports/charts/TrendData.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "support/TestEnvironment.h"

#include <QFontMetricsF>
#include <QImage>

#include <gtest/gtest.h>

using tova::ChartControl;
using tova::ChartLayout;

namespace {

QRgb rgbOf(const tova::ChartRgb& colour) {
    return qRgb(colour.red, colour.green, colour.blue);
}

// How many pixels of the colour lie within radius of the point.
int colourAround(const QImage& image, QPointF centre, int radius, QRgb colour) {
    int found = 0;
    for (int y = int(centre.y()) - radius; y <= int(centre.y()) + radius; ++y)
        for (int x = int(centre.x()) - radius; x <= int(centre.x()) + radius; ++x)
            if (image.rect().contains(x, y) && image.pixel(x, y) == colour)
                ++found;
    return found;
}

// Stretches of the colour along one row of the picture.
int runsOf(const QImage& image, int row, QRgb colour) {
    int runs = 0;
    bool inside = false;
    for (int x = 0; x < image.width(); ++x) {
        const bool match = image.pixel(x, row) == colour;
        if (match && !inside)
            ++runs;
        inside = match;
    }
    return runs;
}

// Trend data as the trend filling orders it: newest first.
Reports::TrendData trendOf(const QList<QPair<QDate, double>>& newestFirst, Reports::TrendKind kind) {
    Reports::TrendData data;
    data.seriesNames =
        kind == Reports::TrendKind::Overall
            ? QStringList{QStringLiteral("Review Index")}
            : QStringList{"Procurement and suppliers", "Construction and site management", "Design and documentation",
                          "Client and change management", "People and organisation"};
    for (const auto& [date, value] : newestFirst) {
        Reports::TrendPoint point;
        point.date = Reports::OleDate(date);
        point.label = Reports::TrendLabel(QLocale(QLocale::English).toString(date, QStringLiteral("MMM dd, yyyy")),
                                          QStringLiteral("3"));
        point.values = QVector<double>(data.seriesNames.size(), value);
        data.points.append(point);
    }
    return data;
}

// n reviews two to six weeks apart, the newest first.
QList<QPair<QDate, double>> reviews(int n) {
    QList<QPair<QDate, double>> oldestFirst;
    QDate date(2024, 1, 15);
    for (int i = 0; i < n; ++i) {
        oldestFirst.append({date, 20.0 + (i * 37) % 60});
        date = date.addDays(14 + (i * 11) % 29);
    }
    std::reverse(oldestFirst.begin(), oldestFirst.end());
    return oldestFirst;
}

QImage drawTrend(const Reports::TrendData& data, Reports::TrendKind kind, ChartLayout& layout) {
    ChartControl chart = Reports::TrendChart(kind);
    Reports::FillTrendChart(data, chart);
    return tova::RenderChart(chart, &layout);
}

} // namespace

TEST(ChartDrawing, TrendPointsStandAtTheirDatesOldestOnTheLeft) {
    // Newest first, as filled; unevenly spaced in time.
    const Reports::TrendData data =
        trendOf({{QDate(2025, 12, 1), 90.0}, {QDate(2025, 11, 20), 50.0}, {QDate(2024, 1, 10), 10.0}},
                Reports::TrendKind::Overall);
    ChartLayout layout;
    const QImage image = drawTrend(data, Reports::TrendKind::Overall, layout);
    const QRgb blue = rgbOf(Reports::TrendChart(Reports::TrendKind::Overall).design().seriesColours.first());

    ASSERT_EQ(layout.points.size(), 3);
    const QPointF newest = layout.points.at(0);
    const QPointF middle = layout.points.at(1);
    const QPointF oldest = layout.points.at(2);
    EXPECT_LT(oldest.x(), middle.x());
    EXPECT_LT(middle.x(), newest.x());
    // The distance follows the time between the reviews: 11 days against almost two years.
    EXPECT_LT(newest.x() - middle.x(), (middle.x() - oldest.x()) / 10);
    // A higher index stands higher, and each mark is drawn where the layout says.
    EXPECT_LT(newest.y(), oldest.y());
    for (const QPointF& point : layout.points)
        EXPECT_GT(colourAround(image, point, 2, blue), 10) << point.x() << "," << point.y();

    // The picture itself: the line's highest pixels (the newest review, 90) lie right of its lowest
    // (the oldest, 10).
    int highest = image.height();
    int lowest = -1;
    int highestX = -1;
    int lowestX = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) == blue) {
                if (y < highest)
                    highest = y, highestX = x;
                if (y > lowest)
                    lowest = y, lowestX = x;
            }
    EXPECT_GT(highestX, lowestX);
}

TEST(ChartDrawing, MarksAtZeroAndHundredAreDrawnWholeInsideThePlot) {
    const QList<QPair<QDate, double>> twoReviews = {{QDate(2025, 3, 1), 100.0}, {QDate(2024, 3, 1), 0.0}};
    const QList<QPair<QDate, double>> oneReview = {{QDate(2024, 12, 15), 100.0}};
    for (Reports::TrendKind kind : {Reports::TrendKind::Overall, Reports::TrendKind::PerSection})
        for (const auto& reviews : {twoReviews, oneReview}) {
            SCOPED_TRACE(QStringLiteral("kind %1, %2 reviews").arg(int(kind)).arg(reviews.size()).toStdString());
            ChartLayout layout;
            const QImage image = drawTrend(trendOf(reviews, kind), kind, layout);
            // The last series is drawn on top.
            const QRgb colour = rgbOf(Reports::TrendChart(kind).design().seriesColours.last());
            ASSERT_EQ(layout.points.size(), reviews.size());
            ASSERT_EQ(layout.marks.size(), trendOf(reviews, kind).seriesNames.size());
            for (const QPointF& point : layout.marks.last()) {
                SCOPED_TRACE(point.y());
                // The mark's whole circle lies inside the plot, and the picture shows it above and
                // below its centre alike.
                EXPECT_TRUE(layout.plot.adjusted(4, 4, -4, -4).contains(point));
                EXPECT_GT(colourAround(image, point - QPointF(0, 3), 1, colour), 3);
                EXPECT_GT(colourAround(image, point + QPointF(0, 3), 1, colour), 3);
            }
            // A single review stands in the middle of the time axis.
            if (reviews.size() == 1)
                EXPECT_NEAR(layout.points.first().x(), layout.plot.center().x(), 2.0);
        }
}

TEST(ChartDrawing, LegendAndAxisTitleKeepClearOfEachOtherAndTheDates) {
    for (Reports::TrendKind kind : {Reports::TrendKind::Overall, Reports::TrendKind::PerSection})
        for (int n : {1, 3, 40}) {
            SCOPED_TRACE(QStringLiteral("kind %1, %2 reviews").arg(int(kind)).arg(n).toStdString());
            ChartLayout layout;
            const QImage image = drawTrend(trendOf(reviews(n), kind), kind, layout);
            ASSERT_FALSE(layout.legend.isEmpty());
            ASSERT_FALSE(layout.axis1Title.isEmpty());
            EXPECT_FALSE(layout.legend.intersects(layout.axis1Title));
            // The dates lie between the plot and the title; the legend reaches neither.
            EXPECT_FALSE(layout.legend.intersects(QRectF(layout.plot.left(), layout.plot.bottom(), layout.plot.width(),
                                                         layout.axis1Title.top() - layout.plot.bottom())));
            EXPECT_TRUE(QRectF(image.rect()).contains(layout.axis1Title));
            // Every date shows whole, also the outermost one.
            EXPECT_TRUE(layout.elidedLabels.isEmpty()) << layout.elidedLabels.join(", ").toStdString();
            ASSERT_EQ(layout.points.size(), n);
            for (int k = 1; k < n; ++k)
                EXPECT_LT(layout.points.at(k).x(), layout.points.at(k - 1).x());
        }
}

TEST(ChartDrawing, CrowdedTrendAxisKeepsTicksOnlyUnderTheLabelsShown) {
    // A tick under every review made the date axis of a thousand reviews one grey bar.
    QList<QPair<QDate, double>> daily;
    for (int i = 729; i >= 0; --i)
        daily.append({QDate(2023, 1, 1).addDays(i), 20.0 + (i * 37) % 60});
    const struct {
        const char* name;
        QList<QPair<QDate, double>> reviews;
        Reports::TrendKind kind;
    } cases[] = {
        {"1,000 reviews weeks apart", reviews(1000), Reports::TrendKind::Overall},
        {"1,000 reviews weeks apart, per section", reviews(1000), Reports::TrendKind::PerSection},
        {"two years of daily reviews", daily, Reports::TrendKind::Overall},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ChartLayout layout;
        const QImage image = drawTrend(trendOf(c.reviews, c.kind), c.kind, layout);
        // Two pixels under the axis line, above the labels: only the ticks reach there.
        const int row = int(std::floor(layout.plot.bottom())) + 2;
        QVector<QPair<int, int>> ticks; // first and last column of each
        for (int x = int(layout.plot.left()); x <= int(layout.plot.right()); ++x) {
            if (image.pixel(x, row) == qRgb(255, 255, 255))
                continue;
            if (!ticks.isEmpty() && ticks.last().second == x - 1)
                ticks.last().second = x;
            else
                ticks.append({x, x});
        }
        ASSERT_GE(ticks.size(), 2);
        const auto centre = [&ticks](int k) { return (ticks.at(k).first + ticks.at(k).second) / 2.0; };
        for (int k = 0; k < ticks.size(); ++k) {
            SCOPED_TRACE(ticks.at(k).first);
            EXPECT_LE(ticks.at(k).second - ticks.at(k).first, 2);
            // Labels stand at least a line of the smallest text apart, and so do their ticks.
            if (k > 0)
                EXPECT_GE(centre(k) - centre(k - 1), 6.0);
        }
    }
}

TEST(ChartDrawing, EveryPointGetsItsBarWhateverItsLabel) {
    const QRgb green = rgbOf(Reports::ScoreChartDesign().seriesColours.first());
    const struct {
        const char* name;
        QStringList labels;
    } cases[] = {
        {"eight empty labels", QStringList(8, QString())},
        {"one label missing", {"Scope", "Design", QString(), "Client"}},
        {"two labels alike", {"Same", "Same", "Other"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ChartControl chart(481, 278, Reports::ScoreChartDesign());
        Globals::FillScoreChart(QVector<double>(c.labels.size(), 10.0), chart, true, c.labels,
                                QStringLiteral("Planning"), 375, 107);
        ChartLayout layout;
        const QImage image = tova::RenderChart(chart, &layout);
        EXPECT_EQ(layout.bars, c.labels.size());
        // One green stretch per bar just above the plot's floor.
        EXPECT_EQ(runsOf(image, int(layout.plot.bottom()) - 2, green), c.labels.size());
    }
}

TEST(ChartDrawing, ShippedQuestionnaireNamesShowWholeOnTheDashboardsAndTheElementChart) {
    tova::test::TestEnvironment environment;
    Globals::LoadDatabase();
    ASSERT_FALSE(Globals::gDataDoc.documentElement().isNull());
    const auto expectWhole = [](const QStringList& labels, qint16 width, qint16 height, const QString& title) {
        ChartControl chart(481, 278, Reports::ScoreChartDesign());
        Globals::FillScoreChart(QVector<double>(labels.size(), 50.0), chart, true, labels, title, width, height);
        ChartLayout layout;
        tova::RenderChart(chart, &layout);
        EXPECT_TRUE(layout.elidedLabels.isEmpty()) << layout.elidedLabels.join(" | ").toStdString();
    };
    for (const Xml::XmlNode& section : Globals::gDataDoc.selectNodes(QStringLiteral("data/survey/section"))) {
        const int id = section.selectSingleNode(QStringLiteral("section_id")).text().toInt();
        SCOPED_TRACE(id);
        const qint16 width = id == 0 || id == 4 ? 370 : 375;
        const qint16 height = id == 0 || id == 4 ? 100 : 107;
        QStringList categories;
        for (const Xml::XmlNode& name : section.selectNodes(QStringLiteral("category/small_cat_desc")))
            categories.append(name.text());
        const QString title = section.selectSingleNode(QStringLiteral("section_desc")).text();
        expectWhole(categories, width, height, title);

        // The priority chart shows eight questions of a phase, the element chart all of them (without a
        // title); any of them may come first, where a turned name has the least room.
        for (int phase = 1; phase <= 5; ++phase) {
            QStringList keywords;
            for (const Xml::XmlNode& keyword :
                 section.selectNodes(QStringLiteral("category/question[phase_id = %1]/question_keyword").arg(phase)))
                keywords.append(keyword.text());
            for (int first = 0; first < keywords.size(); ++first) {
                QStringList shown = keywords.mid(first) + keywords.mid(0, first);
                expectWhole(shown.mid(0, 8), width, height, title);
            }
            if (!keywords.isEmpty())
                expectWhole(keywords, 625, 297, QString());
        }
    }
    Globals::gDataDoc = Xml::XmlDocument();
}

// However many reviews there are and however they are spread in time, the plot takes the picture's
// width (less the legend column beside it) and the legend shows every name whole: a thousand dates
// that cannot all be written leave some out rather than squeeze the plot. With a single review
// there are no lines: sections of the same value still show each its own mark.
TEST(ChartDrawing, TrendPlotSpansThePictureAndLegendNamesShowWhole) {
    QList<QPair<QDate, double>> yearly;
    for (int i = 0; i < 8; ++i)
        yearly.append({QDate(2024 - i, 6, 1), 30.0 + i * 5});
    QList<QPair<QDate, double>> yearsWithTwoADayApart = yearly;
    yearsWithTwoADayApart.prepend({QDate(2024, 6, 2), 80.0});
    const QList<QPair<QDate, double>> twoADayApart = {{QDate(2024, 6, 2), 60.0}, {QDate(2024, 6, 1), 40.0}};
    const QList<QPair<QDate, double>> oneReview = {{QDate(2024, 6, 1), 50.0}};
    for (Reports::TrendKind kind : {Reports::TrendKind::Overall, Reports::TrendKind::PerSection})
        for (const auto& set : {yearsWithTwoADayApart, twoADayApart, reviews(1000), oneReview}) {
            SCOPED_TRACE(QStringLiteral("kind %1, %2 reviews").arg(int(kind)).arg(set.size()).toStdString());
            const Reports::TrendData data = trendOf(set, kind);
            ChartLayout layout;
            const QImage image = drawTrend(data, kind, layout);
            const double width = image.width();
            const bool legendBeside = kind == Reports::TrendKind::PerSection;
            EXPECT_LT(layout.plot.left(), width / 10);
            EXPECT_GT(layout.plot.right(), (legendBeside ? layout.legend.left() : width) - width / 10);

            QFont legendFont;
            legendFont.setFamilies({Reports::TrendChart(kind).design().fontFamily, QStringLiteral("DejaVu Sans")});
            legendFont.setPixelSize(10);
            double widestName = 0.0;
            for (const QString& name : data.seriesNames)
                widestName = std::max(widestName, QFontMetricsF(legendFont).horizontalAdvance(name));
            // A marker and its gap come before each name.
            EXPECT_GE(layout.legend.width(), widestName + 12);
            EXPECT_LE(layout.legend.right(), width);

            if (set.size() == 1) {
                const QList<tova::ChartRgb> colours = Reports::TrendChart(kind).design().seriesColours;
                ASSERT_EQ(layout.marks.size(), data.seriesNames.size());
                for (int s = 0; s < layout.marks.size(); ++s) {
                    SCOPED_TRACE(s);
                    ASSERT_EQ(layout.marks.at(s).size(), 1);
                    EXPECT_TRUE(layout.plot.contains(layout.marks.at(s).first()));
                    EXPECT_GT(colourAround(image, layout.marks.at(s).first(), 1, rgbOf(colours.at(s))), 3);
                }
            }
        }
}
