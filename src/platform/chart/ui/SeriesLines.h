// The lines of a line chart and the marks at their points. Drawn by the chart itself rather than by
// Qt Charts, which makes every mark an antialiased path of its own: a trend of thousands of reviews
// spent most of a second on its marks. Here each series' mark is drawn once and stamped at its
// points, and where points crowd closer than a chart pixel a mark that would land on one already
// stamped in its series is left out: it would cover the same place.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QVector>

class QPainter;

namespace tova {

// The radius of a mark, in chart pixels.
constexpr double kMarkerSize = 5.0;

struct SeriesLine {
    QColor colour;
    // Joined in this order; in the painter's coordinates (chart pixels).
    QVector<QPointF> points;
};

// Each series' line and then its marks, series by series, so that a later series lies on top of an
// earlier one; nothing reaches outside clip.
void drawSeriesLines(QPainter& painter, const QRectF& clip, const QVector<SeriesLine>& series);

} // namespace tova
