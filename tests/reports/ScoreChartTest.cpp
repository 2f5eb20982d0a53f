// Filling a chart as a score chart or as the placeholder: bands, points, labels, value axis,
// header and sizes, including a chart filled again after another fill.
#include "reports/charts/ScoreChart.h"

#include <gtest/gtest.h>

#include <limits>

using tova::ChartControl;

namespace {

ChartControl scoreChart() {
    return ChartControl(481, 278, Reports::ScoreChartDesign());
}

// The series holding a non-zero value at the point; 0 when none does, -1 when several do.
int seriesOfPoint(const ChartControl& chart, int point) {
    int found = 0;
    for (int s = 1; s <= chart.seriesCount(); ++s) {
        if (chart.value(s, point) != 0.0)
            found = found == 0 ? s : -1;
    }
    return found;
}

QStringList numberedLabels(int count) {
    QStringList labels;
    for (int i = 1; i <= count; ++i)
        labels.append(QString::number(i));
    return labels;
}

} // namespace

TEST(ScoreChart, EachScoreGoesToTheSeriesOfItsBandWithTheValueItPlots) {
    struct Case {
        double score;
        int series;
        double plotted;
    };
    const Case cases[] = {
        {32.99, 1, 32.99},
        {33, 2, 33},
        {66.99, 2, 66.99},
        {67, 3, 67},
        {89.99, 3, 89.99},
        {90, 4, 90},
        {100, 4, 100},
        {0, 1, 10},
        {5, 1, 10},
        {10, 1, 10},
        {10.5, 1, 10.5},
        {-7, 1, 10},
        {std::numeric_limits<double>::quiet_NaN(), 1, 10},
    };
    QVector<double> values;
    for (const Case& c : cases)
        values.append(c.score);

    ChartControl chart = scoreChart();
    Globals::FillScoreChart(values, chart, true, numberedLabels(int(values.size())), QStringLiteral("Planning"), 375,
                            107);

    ASSERT_EQ(chart.numPoints(), int(values.size()));
    for (int i = 0; i < values.size(); ++i) {
        SCOPED_TRACE(values.at(i));
        EXPECT_EQ(seriesOfPoint(chart, i + 1), cases[i].series);
        EXPECT_DOUBLE_EQ(chart.value(cases[i].series, i + 1), cases[i].plotted);
    }
}

TEST(ScoreChart, EightValuesGiveEightLabelledPointsTurnedAndTheReversedValueAxis) {
    ChartControl chart = scoreChart();
    Globals::FillScoreChart({12, 40, 70, 95, 33, 67, 90, 0}, chart, true, numberedLabels(8), QStringLiteral("Design"),
                            375, 107);

    EXPECT_EQ(chart.numPoints(), 8);
    EXPECT_EQ(chart.pointLabels(), numberedLabels(8));
    EXPECT_EQ(chart.pointLabel(3), QStringLiteral("3"));
    EXPECT_EQ(chart.axis1().annotation, tova::AxisAnnotation::PointLabels);
    EXPECT_DOUBLE_EQ(chart.axis1().annotationAngle, 45.0);
    EXPECT_EQ(chart.axis2().annotation, tova::AxisAnnotation::ValueLabels);
    ASSERT_EQ(chart.axis2().valueLabels.size(), 3);
    const double values[] = {0, 50, 100};
    const char* texts[] = {"100", "50", "0"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(chart.axis2().valueLabels.at(i).value, values[i]);
        EXPECT_EQ(chart.axis2().valueLabels.at(i).text, QLatin1String(texts[i]));
    }
    EXPECT_EQ(chart.header().text, QStringLiteral("Design"));
    EXPECT_EQ(chart.header().top, 0);
    EXPECT_TRUE(chart.header().bold);
    EXPECT_EQ(chart.plotArea().top, 3);
}

TEST(ScoreChart, RefillingReplacesPointsLabelsAndValueLabelsButKeepsTheHeaderForAnEmptyText) {
    ChartControl chart = scoreChart();
    Globals::FillScoreChart({50, 50, 50, 50, 50}, chart, true, numberedLabels(5), QStringLiteral("First"), 375, 107);
    Globals::FillScoreChart({95, 20}, chart, true, {QStringLiteral("a"), QStringLiteral("b")}, QString(), 370, 100);

    EXPECT_EQ(chart.numPoints(), 2);
    EXPECT_EQ(chart.pointLabels(), QStringList({QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(seriesOfPoint(chart, 1), 4);
    EXPECT_EQ(seriesOfPoint(chart, 2), 1);
    EXPECT_EQ(chart.axis2().valueLabels.size(), 3);
    EXPECT_EQ(chart.header().text, QStringLiteral("First"));
}

TEST(ScoreChart, PlaceholderShowsOnlyItsHeaderAndAScoreChartAfterItComesBack) {
    ChartControl chart = scoreChart();
    Globals::FillScoreChart({40, 80}, chart, true, {QStringLiteral("a"), QStringLiteral("b")}, QStringLiteral("Old"),
                            375, 107);
    Globals::FillNAChart(chart, 370, 100, QStringLiteral("Planning"));

    EXPECT_EQ(chart.header().text, QStringLiteral("Planning (N/A)"));
    EXPECT_EQ(chart.header().top, 10);
    EXPECT_EQ(chart.header().frameStyle, 1);
    EXPECT_EQ(chart.header().frameWidth, 4);
    EXPECT_EQ(chart.plotArea().top, -10000);
    EXPECT_TRUE(chart.pointLabels().isEmpty());
    EXPECT_TRUE(chart.axis2().valueLabels.isEmpty());
    // What the placeholder does not set stays, out of view.
    EXPECT_EQ(chart.numPoints(), 2);
    EXPECT_EQ(chart.Width(), 370 * 15);

    // An empty text keeps the placeholder's header; the plot area and value labels come back.
    Globals::FillScoreChart({55}, chart, true, {QStringLiteral("c")}, QString(), 375, 107);
    EXPECT_EQ(chart.header().text, QStringLiteral("Planning (N/A)"));
    EXPECT_EQ(chart.plotArea().top, 3);
    EXPECT_EQ(chart.axis2().valueLabels.size(), 3);
}

TEST(ScoreChart, SizesAreFifteenTwipsAPixelAndClampedWhereTwipsWouldOverflow) {
    struct Case {
        qint16 width;
        qint16 height;
        int expectedWidthPx;
        int expectedHeightPx;
    };
    const Case cases[] = {
        {375, 107, 375, 107},       {2184, 2184, 2184, 2184}, {2185, 100, 2184, 100},
        {32767, 32767, 2184, 2184}, {-5, 100, 0, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        ChartControl filled = scoreChart();
        Globals::FillScoreChart({50}, filled, true, {QStringLiteral("a")}, QStringLiteral("T"), c.width, c.height);
        EXPECT_EQ(filled.Width(), c.expectedWidthPx * 15);
        EXPECT_EQ(filled.Height(), c.expectedHeightPx * 15);
        EXPECT_EQ(filled.widthPixels(), c.expectedWidthPx);
        EXPECT_EQ(filled.plotArea().width, c.expectedWidthPx);

        ChartControl placeholder = scoreChart();
        Globals::FillNAChart(placeholder, c.width, c.height, QStringLiteral("T"));
        EXPECT_EQ(placeholder.Width(), c.expectedWidthPx * 15);
        EXPECT_EQ(placeholder.Height(), c.expectedHeightPx * 15);
    }
}
