#include "platform/chart/ChartControl.h"

#include <QtGlobal>

namespace tova {

ChartControl::ChartControl(int widthPx, int heightPx, const ChartDesign& design)
    : m_widthTwips(widthPx * kTwipsPerPixel),
      m_heightTwips(heightPx * kTwipsPerPixel), m_plotArea{0, 0, widthPx, heightPx}, m_design(design),
      m_values(design.seriesColours.size()) {}

void ChartControl::setNumPoints(int points) {
    points = qMax(points, 0);
    for (QVector<double>& series : m_values)
        series.resize(points);
    m_xValues.resize(points);
}

double ChartControl::value(int series, int point) const {
    if (series < 1 || series > seriesCount() || point < 1 || point > numPoints())
        return 0.0;
    return m_values[series - 1][point - 1];
}

void ChartControl::setValue(int series, int point, double value) {
    if (series < 1 || series > seriesCount() || point < 1 || point > numPoints())
        return;
    m_values[series - 1][point - 1] = value;
}

double ChartControl::xValue(int point) const {
    return point < 1 || point > numPoints() ? 0.0 : m_xValues[point - 1];
}

void ChartControl::setXValue(int point, double value) {
    if (point >= 1 && point <= numPoints())
        m_xValues[point - 1] = value;
}

QString ChartControl::pointLabel(int k) const {
    return k < 1 || k > m_pointLabels.size() ? QString() : m_pointLabels.at(k - 1);
}

void ChartControl::setPointLabel(int k, const QString& text) {
    if (k < 1)
        return;
    while (m_pointLabels.size() < k)
        m_pointLabels.append(QString());
    m_pointLabels[k - 1] = text;
}

} // namespace tova
