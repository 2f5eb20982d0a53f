#include "reports/charts/ScoreChart.h"

#include <QtGlobal>

#include <cmath>

namespace {

// Bounds belong to the band above them.
constexpr double kLowerYellow = 33.0;
constexpr double kLowerOrange = 67.0;
constexpr double kLowerRed = 90.0;
// No point is drawn lower than this, so an unscored or low score still shows as a small green bar.
constexpr double kLowestPlotted = 10.0;

constexpr int kPlotAreaTop = 3;
constexpr int kScoreHeaderTop = 0;
constexpr int kPlaceholderHeaderTop = 10;
// Moves the plot area, and with it the axes and points, out of the picture.
constexpr int kOutOfView = -10000;

int clampedPixels(qint16 pixels) {
    return qBound(0, int(pixels), Reports::kMaxChartPixels);
}

void sizeChart(tova::ChartControl& chart, qint16 widthPx, qint16 heightPx) {
    const int width = clampedPixels(widthPx);
    const int height = clampedPixels(heightPx);
    chart.setWidth(width * tova::ChartControl::kTwipsPerPixel);
    chart.setHeight(height * tova::ChartControl::kTwipsPerPixel);
    chart.plotArea().top = kPlotAreaTop;
    chart.plotArea().width = width;
    chart.plotArea().height = height;
}

void setHeader(tova::ChartControl& chart, const QString& text, int top) {
    tova::ChartHeader& header = chart.header();
    header.text = text;
    header.frameStyle = 1;
    header.frameWidth = 4;
    header.bold = true;
    header.fontSize = 4;
    header.background = tova::ChartRgb{255, 255, 255};
    header.top = top;
}

} // namespace

namespace Reports {

tova::ChartDesign ScoreChartDesign() {
    tova::ChartDesign design;
    design.type = tova::ChartType::StackingBar;
    design.seriesColours = {{128, 255, 128}, {255, 255, 128}, {255, 128, 0}, {255, 0, 0}};
    return design;
}

ScoreBand BandOf(double score) {
    // A score that is no number counts as unscored.
    if (std::isnan(score) || score < kLowerYellow)
        return {1, std::isnan(score) || score <= kLowestPlotted ? kLowestPlotted : score};
    if (score < kLowerOrange)
        return {2, score};
    if (score < kLowerRed)
        return {3, score};
    return {4, score};
}

} // namespace Reports

namespace Globals {

void FillScoreChart(const QVector<double>& values, tova::ChartControl& chart, bool showLabels,
                    const QStringList& labels, const QString& text, qint16 widthPx, qint16 heightPx) {
    sizeChart(chart, widthPx, heightPx);
    chart.setNumPoints(int(values.size()));
    if (!text.isEmpty())
        setHeader(chart, text, kScoreHeaderTop);

    for (int i = 0; i < values.size(); ++i) {
        const Reports::ScoreBand band = Reports::BandOf(values.at(i));
        for (int series = 1; series <= 4; ++series)
            chart.setValue(series, i + 1, series == band.series ? band.value : 0.0);
    }

    if (showLabels) {
        chart.clearPointLabels();
        for (const QString& label : labels)
            chart.appendPointLabel(label);
        chart.axis1().annotation = tova::AxisAnnotation::PointLabels;
    }
    chart.axis1().annotationAngle = 45.0;

    tova::ChartAxis& valueAxis = chart.axis2();
    valueAxis.annotation = tova::AxisAnnotation::ValueLabels;
    valueAxis.valueLabels = {{0.0, QStringLiteral("100")}, {50.0, QStringLiteral("50")}, {100.0, QStringLiteral("0")}};
}

void FillNAChart(tova::ChartControl& chart, qint16 widthPx, qint16 heightPx, const QString& title) {
    sizeChart(chart, widthPx, heightPx);
    setHeader(chart, title + QStringLiteral(" (N/A)"), kPlaceholderHeaderTop);
    chart.clearPointLabels();
    chart.plotArea().top = kOutOfView;
    chart.axis2().valueLabels.clear();
}

} // namespace Globals
