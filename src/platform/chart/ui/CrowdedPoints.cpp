#include "platform/chart/ui/CrowdedPoints.h"

#include <QSet>

#include <algorithm>
#include <cmath>

namespace tova {

QVector<QPointF> lineThroughColumns(const QVector<QPointF>& points) {
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
        const qsizetype run[] = {first, std::min(highest, lowest), std::max(highest, lowest), end - 1};
        for (int k = 0; k < 4; ++k)
            if (k == 0 || run[k] != run[k - 1])
                kept.append(points.at(run[k]));
        first = end;
    }
    return kept;
}

QVector<QPointF> marksApartByCell(const QVector<QPointF>& points, double cell) {
    QVector<QPointF> kept;
    QSet<qint64> taken;
    taken.reserve(points.size());
    for (const QPointF& point : points) {
        const auto column = qint32(std::floor(point.x() / cell));
        const auto row = qint32(std::floor(point.y() / cell));
        const qint64 key = (qint64(column) << 32) | qint64(quint32(row));
        if (taken.contains(key))
            continue;
        taken.insert(key);
        kept.append(point);
    }
    return kept;
}

} // namespace tova
