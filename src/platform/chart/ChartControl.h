// The chart component: the state a chart window sets (size, plot area, header, the first chart
// group's series and points, labels and axis annotation) and the saving of that state as a PNG
// picture. The state is plain data so that chart filling can be tested without drawing; Save draws
// it with Qt Charts and is defined by the UI library (chart/ui/ChartRenderer.cpp).
#pragma once

#include "platform/Twips.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

namespace tova {

struct ChartRgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const ChartRgb& other) const {
        return red == other.red && green == other.green && blue == other.blue;
    }
};

// How an axis is labelled: by the point numbers, by the point labels, or by the value labels.
enum class AxisAnnotation { Values, PointLabels, ValueLabels };

// Stacked bars give each point one bar in the colour of the series that holds its value; lines
// join each series' values from point to point.
enum class ChartType { StackingBar, Plot };

struct ChartValueLabel {
    double value = 0.0;
    QString text;
};

struct ChartAxis {
    AxisAnnotation annotation = AxisAnnotation::Values;
    // Degrees counter-clockwise, as the labels are turned.
    double annotationAngle = 0.0;
    QList<ChartValueLabel> valueLabels;
    QString title;
};

struct ChartHeader {
    QString text;
    // 0 draws no frame; any other code draws a raised frame of frameWidth pixels.
    int frameStyle = 0;
    int frameWidth = 0;
    bool bold = false;
    int fontSize = 10; // points
    ChartRgb background{255, 255, 255};
    int top = 0; // pixels from the top of the chart
};

// The area that holds the axes and the points, in pixels from the chart's top-left corner.
struct ChartPlotArea {
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
};

// The look a chart window gives its chart once, when it is made.
struct ChartDesign {
    ChartType type = ChartType::StackingBar;
    QVector<ChartRgb> seriesColours; // one per series of the first chart group
    bool showLegend = false;
    QString fontFamily; // empty: the system's font
};

class ChartControl final {
public:
    static constexpr int kTwipsPerPixel = tova::kTwipsPerPixel;

    // A chart of the given size in pixels whose first chart group has one series per design colour.
    ChartControl(int widthPx, int heightPx, const ChartDesign& design);

    // Size in twips; the saved picture has this size in whole pixels.
    int Width() const { return m_widthTwips; }
    int Height() const { return m_heightTwips; }
    void setWidth(int twips) { m_widthTwips = twips; }
    void setHeight(int twips) { m_heightTwips = twips; }
    int widthPixels() const { return m_widthTwips / kTwipsPerPixel; }
    int heightPixels() const { return m_heightTwips / kTwipsPerPixel; }

    ChartPlotArea& plotArea() { return m_plotArea; }
    const ChartPlotArea& plotArea() const { return m_plotArea; }
    ChartHeader& header() { return m_header; }
    const ChartHeader& header() const { return m_header; }
    const ChartDesign& design() const { return m_design; }

    // Axis 1 is the horizontal (point) axis, axis 2 the vertical (value) axis.
    ChartAxis& axis1() { return m_axis1; }
    const ChartAxis& axis1() const { return m_axis1; }
    ChartAxis& axis2() { return m_axis2; }
    const ChartAxis& axis2() const { return m_axis2; }

    int seriesCount() const { return int(m_values.size()); }
    // Every series holds this many points; values kept where points remain, new ones are 0.
    int numPoints() const { return int(m_xValues.size()); }
    void setNumPoints(int points);
    // Series and points count from 1. Reads outside the chart give 0 and writes there are ignored.
    double value(int series, int point) const;
    void setValue(int series, int point, double value);
    double xValue(int point) const;
    void setXValue(int point, double value);

    // Point label k belongs to point k (from 1).
    const QStringList& pointLabels() const { return m_pointLabels; }
    void clearPointLabels() { m_pointLabels.clear(); }
    void appendPointLabel(const QString& text) { m_pointLabels.append(text); }
    QString pointLabel(int k) const;
    // Writes label k, appending empty labels up to it when needed.
    void setPointLabel(int k, const QString& text);

    const QStringList& seriesLabels() const { return m_seriesLabels; }
    void clearSeriesLabels() { m_seriesLabels.clear(); }
    void appendSeriesLabel(const QString& text) { m_seriesLabels.append(text); }

    // Writes the chart as a PNG picture of widthPixels() x heightPixels() chart pixels (each of them
    // several picture pixels, for sharpness; pages show the picture at the chart's size), replacing the file at
    // path only once the new picture is complete. flag would choose the smallest file over the
    // quickest write; one compression setting gives both, so every picture is written alike. False
    // when the picture could not be written; the old file is then unchanged. Defined in
    // ui/ChartRenderer.cpp: drawing needs the UI library.
    bool Save(const QString& path, bool flag) const;

private:
    int m_widthTwips = 0;
    int m_heightTwips = 0;
    ChartPlotArea m_plotArea;
    ChartHeader m_header;
    ChartDesign m_design;
    ChartAxis m_axis1;
    ChartAxis m_axis2;
    QVector<QVector<double>> m_values; // [series][point], from 0
    QVector<double> m_xValues;
    QStringList m_pointLabels;
    QStringList m_seriesLabels;
};

} // namespace tova
