#include "platform/chart/ui/SeriesLines.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace tova {
namespace {

// A mark with a pixel of room around it for its soft edge.
constexpr int kStampSide = 2 * int(kMarkerSize) + 2;

// One series' mark, drawn once at the picture's density: a disc of the series' colour.
QImage markStamp(const QColor& colour, int ratio) {
    QImage stamp(kStampSide * ratio, kStampSide * ratio, QImage::Format_ARGB32_Premultiplied);
    stamp.fill(Qt::transparent);
    stamp.setDevicePixelRatio(ratio);
    QPainter painter(&stamp);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(kStampSide / 2.0, kStampSide / 2.0), kMarkerSize, kMarkerSize);
    return stamp;
}

// The chart pixel a point falls in, as one number.
qint64 cellOf(const QPointF& point) {
    return (qint64(std::floor(point.x())) << 32) ^ qint64(quint32(qint32(std::floor(point.y()))));
}

// Where many points share a column of chart pixels, the line between them only fills that column
// from its highest to its lowest point: the first, highest, lowest and last point of each run in one
// column draw the same, in the order the line reaches them.
QVector<QPointF> thinnedToColumns(const QVector<QPointF>& points) {
    QVector<QPointF> kept;
    kept.reserve(points.size());
    for (qsizetype first = 0; first < points.size();) {
        const double column = std::floor(points.at(first).x());
        qsizetype end = first + 1;
        qsizetype highest = first;
        qsizetype lowest = first;
        for (; end < points.size() && std::floor(points.at(end).x()) == column; ++end) {
            if (points.at(end).y() < points.at(highest).y())
                highest = end;
            if (points.at(end).y() > points.at(lowest).y())
                lowest = end;
        }
        qsizetype run[] = {first, std::min(highest, lowest), std::max(highest, lowest), end - 1};
        for (int k = 0; k < 4; ++k)
            if (k == 0 || run[k] != run[k - 1])
                kept.append(points.at(run[k]));
        first = end;
    }
    return kept;
}

// Each segment on its own, as Qt Charts draws them: stroked as one outline, a line that folds back
// on itself thousands of times takes the rasteriser minutes.
void drawLine(QPainter& painter, const SeriesLine& line) {
    painter.setPen(QPen(line.colour, 2));
    painter.setBrush(Qt::NoBrush);
    const QVector<QPointF> points = thinnedToColumns(line.points);
    for (qsizetype k = 1; k < points.size(); ++k)
        painter.drawLine(points.at(k - 1), points.at(k));
}

void stampMarks(QPainter& painter, const SeriesLine& line, const QRectF& clip, int ratio) {
    const QImage stamp = markStamp(line.colour, ratio);
    // A mark whose stamp would not reach into the clip shows nothing.
    const QRectF reach = clip.adjusted(-kStampSide, -kStampSide, kStampSide, kStampSide);
    QSet<qint64> stamped;
    stamped.reserve(line.points.size());
    for (const QPointF& point : line.points) {
        if (!reach.contains(point))
            continue;
        const qint64 cell = cellOf(point);
        if (stamped.contains(cell))
            continue;
        stamped.insert(cell);
        // On whole picture pixels the stamp is copied as it is, without being resampled.
        const QPointF corner(std::round(point.x() * ratio) / ratio - kStampSide / 2.0,
                             std::round(point.y() * ratio) / ratio - kStampSide / 2.0);
        painter.drawImage(corner, stamp);
    }
}

} // namespace

void drawSeriesLines(QPainter& painter, const QRectF& clip, const QVector<SeriesLine>& series) {
    const int ratio = std::max(1, int(std::lround(painter.device()->devicePixelRatio())));
    painter.save();
    painter.setClipRect(clip);
    for (const SeriesLine& line : series) {
        drawLine(painter, line);
        stampMarks(painter, line, clip, ratio);
    }
    painter.restore();
}

} // namespace tova
