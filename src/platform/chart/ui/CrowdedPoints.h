// What of a crowded line Qt Charts is given to draw. A trend of thousands of reviews puts many points
// on one column of chart pixels and many marks on one spot; drawing them all costs most of a second
// and shows nothing more. The chart's own points stay whole: only what goes to the drawing is thinned.
#pragma once

#include <QPointF>
#include <QVector>

namespace tova {

// The points a line through points (in the painter's coordinates, in the order the line joins them)
// needs to look the same: where a run of points shares a column of pixels the line only fills that
// column from its highest to its lowest point, so each run keeps its first, highest, lowest and last
// point, in the order the line reaches them.
QVector<QPointF> lineThroughColumns(const QVector<QPointF>& points);

// The marks worth drawing at points: a mark whose centre falls in the same cell (a square of cell
// pixels) as one kept before it would cover nearly the same place and is left out.
QVector<QPointF> marksApartByCell(const QVector<QPointF>& points, double cell);

} // namespace tova
