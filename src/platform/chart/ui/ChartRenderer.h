// Draws a chart's state with Qt Charts into a picture of the chart's pixel size, or a multiple of it.
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
    // Lines only: by series, then by point, the centre of each mark.
    QVector<QVector<QPointF>> marks;
    int bars = 0;
    // Point labels that had to be shortened to fit, in full.
    QStringList elidedLabels;
    QRectF legend;     // empty without a legend
    QRectF axis1Title; // empty without a title
};

// The picture of the chart: white, with its header on top; the bars or lines, their point labels
// and value axis fill the plot area. A plot area entirely outside the picture leaves the header
// alone. A chart without a size gives a null image. layout, when given, receives what was drawn where,
// in the chart's pixels. pixelRatio picture pixels make one chart pixel: the drawing is the same,
// only finer.
QImage RenderChart(const ChartControl& chart, ChartLayout* layout = nullptr, int pixelRatio = 1);

// Picture pixels per chart pixel in a saved chart. The pages show each picture at the chart's size
// (a "4x" picture), so screens look the same, high-density screens get sharp lines and letters, and
// paper, where a chart is drawn up to 1.75 times larger so that its smallest label reads 9 pt, still
// gets more than 200 picture pixels to the inch.
constexpr int kSavedPixelRatio = 4;

// No text in a chart picture is drawn smaller than this many chart pixels: annotation, legend and
// point labels alike (labels that would need less are shortened instead).
constexpr int kSmallestTextPixels = 7;

} // namespace tova
