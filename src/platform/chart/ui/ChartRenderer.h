// Draws a chart's state with Qt Charts into a picture of the chart's pixel size.
#pragma once

#include <QImage>

namespace tova {

class ChartControl;

// The picture of the chart: white, with its header on top; the bars or lines, their point labels
// and value axis fill the plot area. A plot area entirely outside the picture leaves the header
// alone. A chart without a size gives a null image.
QImage RenderChart(const ChartControl& chart);

} // namespace tova
