// Draws a chart's state with Qt Charts into a picture of the chart's pixel size.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QStringList>
#include <QVector>

namespace tova {

class ChartControl;

// Where the drawing put what a reader looks for, in picture pixels: enough to check a picture
// against its chart without reading pixels blindly.
struct ChartLayout {
    QRectF plot;
    // By point: the centre of series 1's mark (lines) or the top of the point's bar (bars).
    QVector<QPointF> points;
    int bars = 0;
    // Point labels that had to be shortened to fit, in full.
    QStringList elidedLabels;
    QRectF legend;     // empty without a legend
    QRectF axis1Title; // empty without a title
};

// The picture of the chart: white, with its header on top; the bars or lines, their point labels
// and value axis fill the plot area. A plot area entirely outside the picture leaves the header
// alone. A chart without a size gives a null image. layout, when given, receives what was drawn where.
QImage RenderChart(const ChartControl& chart, ChartLayout* layout = nullptr);

} // namespace tova
