// Score charts: a row of scores, each drawn in the colour of its risk band, with the names under the
// points and a value axis read as rework risk (100 at the bottom, 0 at the top); or, when there is
// nothing to score, a placeholder showing only its title.
#pragma once

#include "platform/chart/ChartControl.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace Reports {

// Largest chart side in pixels: the size in twips must stay a 16-bit number.
constexpr int kMaxChartPixels = 2184;

// The design of every score chart (the dashboards' chart and the element window's chart, made as
// ChartControl(widthPx, heightPx, ScoreChartDesign())): stacked bars in four series, one per band,
// from light green for low scores to red for high ones.
tova::ChartDesign ScoreChartDesign();

// The band (1 to 4) of a score and the value a point of that score plots.
struct ScoreBand {
    int series = 1;
    double value = 10.0;
};
ScoreBand BandOf(double score);

} // namespace Reports

namespace Globals {

// Sizes the chart (sides above kMaxChartPixels, or below 0, are clamped), places the plot area,
// writes one point per value into the series of its band, labels the points with labels (when
// showLabels) and the value axis with 100, 50 and 0. An empty text keeps the previous header.
void FillScoreChart(const QVector<double>& values, tova::ChartControl& chart, bool showLabels,
                    const QStringList& labels, const QString& text, qint16 widthPx, qint16 heightPx);

// The placeholder: the header title + " (N/A)" alone, the plot area moved out of view.
void FillNAChart(tova::ChartControl& chart, qint16 widthPx, qint16 heightPx, const QString& title);

} // namespace Globals
