// Drawing and saving a chart. Qt Charts draws the axes, bars, lines and legend into the plot area;
// the header is painted on top of the picture so that its place and frame follow the chart's state
// exactly.
#include "platform/chart/ui/ChartRenderer.h"

#include "platform/WholeFile.h"
#include "platform/chart/ChartControl.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImageWriter>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <optional>

namespace tova {
namespace {

// Qt's category axes key their categories by text, so equal texts (empty labels, say) would merge
// into one category. Invisible zero-width suffixes keep them apart without changing what shows.
QStringList distinctTexts(const QStringList& texts) {
    QStringList distinct;
    for (const QString& text : texts) {
        QString candidate = text;
        while (distinct.contains(candidate))
            candidate += QChar(0x200B);
        distinct.append(candidate);
    }
    return distinct;
}

// A value that is no number draws nothing rather than breaking the axis.
double drawable(double value) {
    return std::isfinite(value) ? value : 0.0;
}

QColor colourOf(const ChartRgb& rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The design's family (or the system's font) at a pixel size.
QFont chartFont(const ChartDesign& design, int pixelSize, bool bold = false) {
    QFont font;
    if (!design.fontFamily.isEmpty())
        font.setFamilies({design.fontFamily, QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Small dashboard charts get small annotation; large ones stay readable without crowding.
int annotationPixels(int chartHeight) {
    return std::clamp(chartHeight / 26, 7, 10);
}

// A header font below 8 points cannot be read on screen; smaller sizes are drawn at 8.
QFont headerFont(const ChartControl& chart) {
    QFont font = chartFont(chart.design(), 1, chart.header().bold);
    font.setPointSizeF(std::max(chart.header().fontSize, 8));
    return font;
}

// A framed header is a box with a thin border and a shadow of half the frame width below and to
// the right, the way a raised title reads on a white chart.
int shadowOf(const ChartHeader& header) {
    return header.frameStyle == 0 ? 0 : std::max(header.frameWidth, 0) / 2;
}

QRect headerRect(const ChartControl& chart, const QFont& font, int pictureWidth) {
    const ChartHeader& header = chart.header();
    const int border = header.frameStyle == 0 ? 0 : 1;
    const QFontMetrics metrics(font);
    const int padding = 4;
    const int width =
        std::min(metrics.horizontalAdvance(header.text) + 2 * (padding + border) + shadowOf(header), pictureWidth);
    const int height = metrics.height() + 2 + 2 * border + shadowOf(header);
    return QRect((pictureWidth - width) / 2, header.top, width, height);
}

void drawHeader(QPainter& painter, const ChartControl& chart, const QRect& rect, const QFont& font) {
    const ChartHeader& header = chart.header();
    const int shadow = shadowOf(header);
    const QRect box = rect.adjusted(0, 0, -shadow, -shadow);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (shadow > 0)
        painter.fillRect(box.translated(shadow, shadow), QColor(160, 160, 160));
    painter.fillRect(box, colourOf(header.background));
    if (header.frameStyle != 0) {
        painter.setPen(QColor(120, 120, 120));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
    }
    painter.setPen(Qt::black);
    painter.setFont(font);
    const QRect inner = box.adjusted(2, 1, -2, -1);
    painter.drawText(inner, Qt::AlignCenter, QFontMetrics(font).elidedText(header.text, Qt::ElideRight, inner.width()));
    painter.restore();
}

// The texts under the points: the point labels, or the point numbers.
QStringList pointTexts(const ChartControl& chart) {
    QStringList texts;
    for (int p = 1; p <= chart.numPoints(); ++p) {
        if (chart.axis1().annotation == AxisAnnotation::PointLabels)
            texts.append(chart.pointLabel(p));
        else
            texts.append(QString::number(p));
    }
    return texts;
}

struct ValueRange {
    double lower = 0.0;
    double upper = 100.0;
};

// Scores and indexes run from 0 to 100; the range widens for anything outside that.
ValueRange valueRange(const ChartControl& chart) {
    ValueRange range;
    for (int p = 1; p <= chart.numPoints(); ++p) {
        double stacked = 0.0;
        for (int s = 1; s <= chart.seriesCount(); ++s) {
            const double value = chart.value(s, p);
            if (!std::isfinite(value))
                continue;
            range.lower = std::min(range.lower, value);
            range.upper = std::max(range.upper, value);
            if (value > 0)
                stacked += value;
        }
        if (chart.design().type == ChartType::StackingBar)
            range.upper = std::max(range.upper, stacked);
    }
    if (chart.axis2().annotation == AxisAnnotation::ValueLabels) {
        for (const ChartValueLabel& label : chart.axis2().valueLabels) {
            range.lower = std::min(range.lower, label.value);
            range.upper = std::max(range.upper, label.value);
        }
    }
    return range;
}

QList<ChartValueLabel> sortedValueLabels(const ChartControl& chart) {
    QList<ChartValueLabel> labels = chart.axis2().valueLabels;
    std::stable_sort(labels.begin(), labels.end(),
                     [](const ChartValueLabel& a, const ChartValueLabel& b) { return a.value < b.value; });
    return labels;
}

void styleAxis(QAbstractAxis* axis, const ChartControl& chart, const ChartAxis& state, int pixels) {
    axis->setLabelsFont(chartFont(chart.design(), pixels));
    axis->setLabelsColor(QColor(40, 40, 40));
    axis->setLinePen(QPen(QColor(110, 110, 110), 1));
    axis->setGridLinePen(QPen(QColor(215, 215, 215), 1, Qt::DotLine));
    // The state turns labels counter-clockwise; Qt turns them clockwise.
    axis->setLabelsAngle(-int(std::lround(state.annotationAngle)));
    if (!state.title.isEmpty()) {
        axis->setTitleText(state.title);
        axis->setTitleFont(chartFont(chart.design(), pixels + 1, true));
        axis->setTitleBrush(QColor(40, 40, 40));
    }
}

// The value axis keeps the range and, for value labels, a grid line at each label; the labels
// themselves are painted by ValueLabelColumn.
QAbstractAxis* makeValueAxis(const ChartControl& chart, const ValueRange& range, int pixels) {
    const ChartAxis& state = chart.axis2();
    QAbstractAxis* axis = nullptr;
    if (state.annotation == AxisAnnotation::ValueLabels) {
        auto* gridded = new QCategoryAxis;
        gridded->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        gridded->setRange(range.lower, range.upper);
        gridded->setStartValue(range.lower - 1.0);
        double previous = range.lower - 1.0;
        for (const ChartValueLabel& label : sortedValueLabels(chart)) {
            if (label.value <= previous)
                continue;
            gridded->append(QString::number(gridded->count()), label.value);
            previous = label.value;
        }
        axis = gridded;
    } else {
        auto* numbers = new QValueAxis;
        numbers->setRange(range.lower, range.upper);
        numbers->setTickCount(6);
        numbers->setLabelFormat(QStringLiteral("%.0f"));
        axis = numbers;
    }
    styleAxis(axis, chart, state, pixels);
    if (state.annotation == AxisAnnotation::ValueLabels)
        axis->setLabelsVisible(false);
    return axis;
}

// The point axis places the points; their labels are painted by PointLabelRow.
QAbstractAxis* makePointAxis(const ChartControl& chart, int pixels) {
    auto* axis = new QBarCategoryAxis;
    axis->append(distinctTexts(pointTexts(chart)));
    styleAxis(axis, chart, chart.axis1(), pixels);
    axis->setGridLineVisible(false);
    axis->setLabelsVisible(false);
    axis->setTitleVisible(false);
    return axis;
}

void addBars(QChart& qchart, const ChartControl& chart) {
    auto* bars = new QStackedBarSeries;
    bars->setBarWidth(0.6);
    for (int s = 1; s <= chart.seriesCount(); ++s) {
        auto* set = new QBarSet(chart.seriesLabels().value(s - 1));
        const QColor colour = colourOf(chart.design().seriesColours.at(s - 1));
        set->setColor(colour);
        set->setBorderColor(colour.darker(150));
        for (int p = 1; p <= chart.numPoints(); ++p)
            set->append(drawable(chart.value(s, p)));
        bars->append(set);
    }
    qchart.addSeries(bars);
}

void addLines(QChart& qchart, const ChartControl& chart) {
    for (int s = 1; s <= chart.seriesCount(); ++s) {
        auto* line = new QLineSeries;
        line->setName(chart.seriesLabels().value(s - 1));
        line->setPen(QPen(colourOf(chart.design().seriesColours.at(s - 1)), 2));
        line->setPointsVisible(true);
        line->setMarkerSize(6);
        for (int p = 1; p <= chart.numPoints(); ++p)
            line->append(p - 1, drawable(chart.value(s, p)));
        qchart.addSeries(line);
    }
}

void setUpLegend(QChart& qchart, const ChartControl& chart, int pixels) {
    QLegend* legend = qchart.legend();
    if (!chart.design().showLegend || chart.seriesLabels().isEmpty()) {
        legend->hide();
        return;
    }
    // Several long section names read better in a column beside the plot than squeezed below it.
    legend->setAlignment(chart.seriesCount() > 1 ? Qt::AlignRight : Qt::AlignBottom);
    legend->setFont(chartFont(chart.design(), pixels));
    legend->setLabelColor(QColor(40, 40, 40));
    // A series without a label has nothing to say in the legend.
    for (QLegendMarker* marker : legend->markers()) {
        if (marker->label().isEmpty())
            marker->setVisible(false);
    }
}

// The labels under the points, painted here rather than by the axis: the axis cuts its labels to a
// few letters as soon as space is short, while here each label gets the band below the plot and,
// when turned, the room beside it.
class PointLabelRow {
public:
    PointLabelRow(const ChartControl& chart, int pixels, int areaHeight)
        : m_font(chartFont(chart.design(), pixels)), m_titleFont(chartFont(chart.design(), pixels + 1, true)),
          m_title(chart.axis1().title), m_angle(chart.axis1().annotationAngle), m_texts(pointTexts(chart)),
          m_areaHeight(areaHeight) {
        measure();
    }

    // Flat labels wider than the room between two points are turned the way score charts turn
    // theirs, so that many reviews still show their dates.
    bool turnIfCrowded(QChart& qchart, QAbstractSeries* series) {
        if (m_angle != 0.0 || m_texts.size() < 2)
            return false;
        const double spacing =
            std::abs(qchart.mapToPosition(QPointF(1, 0), series).x() - qchart.mapToPosition(QPointF(0, 0), series).x());
        const QFontMetricsF metrics(m_font);
        double widest = 0.0;
        for (const QString& text : m_texts)
            widest = std::max(widest, metrics.horizontalAdvance(text));
        if (widest <= spacing - 4)
            return false;
        m_angle = kCrowdedAngle;
        measure();
        return true;
    }

    // Room below the plot for the labels and the axis title.
    int bottomRoom() const { return m_band + titleHeight(); }

    void draw(QPainter& painter, QChart& qchart, QAbstractSeries* series, const QRect& area) const {
        const QFontMetricsF metrics(m_font);
        const double lineHeight = metrics.height();
        const QRectF plot = qchart.plotArea();
        const double top = plot.bottom() + kTickGap;
        const double bandBottom = plot.bottom() + m_band;
        const double radians = qDegreesToRadians(std::abs(m_angle));
        const double sine = std::sin(radians);
        const double cosine = std::cos(radians);
        QVector<double> xs;
        for (int i = 0; i < m_texts.size(); ++i)
            xs.append(qchart.mapToPosition(QPointF(i, 0), series).x());
        const double spacing = xs.size() > 1 ? std::abs(xs.at(1) - xs.at(0)) : plot.width();

        painter.save();
        painter.setFont(m_font);
        painter.setPen(QColor(40, 40, 40));
        for (int i = 0; i < m_texts.size(); ++i) {
            const double x = area.left() + xs.at(i);
            const double y = area.top() + top;
            if (m_angle == 0.0) {
                const QString text = metrics.elidedText(m_texts.at(i), Qt::ElideRight, spacing - 4);
                painter.drawText(QRectF(x - spacing / 2, y, spacing, lineHeight), Qt::AlignCenter, text);
                continue;
            }
            // As long as the band allows downwards and the picture allows sideways.
            const bool upwards = m_angle > 0;
            double room = sine > 0.01 ? (bandBottom - top - lineHeight * cosine) / sine : area.width();
            const double sideways = upwards ? x : painter.device()->width() - x;
            if (cosine > 0.01)
                room = std::min(room, (sideways - lineHeight * sine) / cosine);
            const QString text = metrics.elidedText(m_texts.at(i), Qt::ElideRight, std::max(room, 0.0));
            const double width = metrics.horizontalAdvance(text);
            painter.save();
            painter.translate(x, y + lineHeight * cosine / 2);
            painter.rotate(-m_angle);
            // Turned upwards a label ends at its point, turned downwards it starts there.
            const QRectF box = upwards ? QRectF(-width, -lineHeight / 2, width, lineHeight)
                                       : QRectF(0, -lineHeight / 2, width, lineHeight);
            painter.drawText(box, Qt::AlignVCenter | (upwards ? Qt::AlignRight : Qt::AlignLeft), text);
            painter.restore();
        }
        if (!m_title.isEmpty()) {
            painter.setFont(m_titleFont);
            painter.drawText(QRectF(area.left() + plot.left(), area.top() + bandBottom, plot.width(), titleHeight()),
                             Qt::AlignCenter, m_title);
        }
        painter.restore();
    }

private:
    static constexpr double kTickGap = 4.0;
    static constexpr double kCrowdedAngle = 45.0;

    void measure() {
        const QFontMetricsF metrics(m_font);
        const double radians = qDegreesToRadians(std::abs(m_angle));
        double tallest = 0.0;
        for (const QString& text : m_texts)
            tallest = std::max(tallest, metrics.horizontalAdvance(text) * std::sin(radians));
        tallest += metrics.height() * std::cos(radians) + kTickGap;
        m_band = int(std::ceil(std::min(tallest, m_areaHeight * 0.45)));
    }

    int titleHeight() const { return m_title.isEmpty() ? 0 : int(std::ceil(QFontMetricsF(m_titleFont).height())) + 2; }

    QFont m_font;
    QFont m_titleFont;
    QString m_title;
    double m_angle;
    QStringList m_texts;
    int m_areaHeight;
    int m_band = 0;
};

// The value labels beside the value axis, each at the height of its value.
class ValueLabelColumn {
public:
    ValueLabelColumn(const ChartControl& chart, int pixels)
        : m_font(chartFont(chart.design(), pixels)), m_labels(sortedValueLabels(chart)) {
        const QFontMetricsF metrics(m_font);
        for (const ChartValueLabel& label : m_labels)
            m_width = std::max(m_width, int(std::ceil(metrics.horizontalAdvance(label.text))));
    }

    int leftRoom() const { return m_width + kGap; }

    void draw(QPainter& painter, QChart& qchart, QAbstractSeries* series, const QRect& area) const {
        const QFontMetricsF metrics(m_font);
        const QRectF plot = qchart.plotArea();
        painter.save();
        painter.setFont(m_font);
        painter.setPen(QColor(40, 40, 40));
        for (const ChartValueLabel& label : m_labels) {
            const double y = qchart.mapToPosition(QPointF(0, label.value), series).y();
            if (y < plot.top() - 1 || y > plot.bottom() + 1)
                continue;
            const QRectF box(area.left() + plot.left() - kGap - m_width, area.top() + y - metrics.height() / 2, m_width,
                             metrics.height());
            painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, label.text);
        }
        painter.restore();
    }

private:
    static constexpr int kGap = 4;

    QFont m_font;
    QList<ChartValueLabel> m_labels;
    int m_width = 0;
};

// Draws the axes, points and legend into area of the painter's picture.
void drawPlot(QPainter& painter, const ChartControl& chart, const QRect& area) {
    const int pixels = annotationPixels(chart.heightPixels());
    QGraphicsScene scene;
    auto* qchart = new QChart;
    scene.addItem(qchart);
    qchart->setAnimationOptions(QChart::NoAnimation);
    qchart->setBackgroundRoundness(0);
    qchart->setBackgroundBrush(Qt::white);
    qchart->setBackgroundPen(Qt::NoPen);
    qchart->layout()->setContentsMargins(0, 0, 0, 0);

    if (chart.design().type == ChartType::StackingBar)
        addBars(*qchart, chart);
    else
        addLines(*qchart, chart);

    PointLabelRow pointLabels(chart, pixels, area.height());
    std::optional<ValueLabelColumn> valueLabels;
    if (chart.axis2().annotation == AxisAnnotation::ValueLabels)
        valueLabels.emplace(chart, pixels);
    // Room at the top keeps the highest value label whole.
    const int leftRoom = valueLabels ? valueLabels->leftRoom() : 2;
    qchart->setMargins(QMargins(leftRoom, 6, 6, pointLabels.bottomRoom()));

    QAbstractAxis* pointAxis = makePointAxis(chart, pixels);
    QAbstractAxis* valueAxis = makeValueAxis(chart, valueRange(chart), pixels);
    qchart->addAxis(pointAxis, Qt::AlignBottom);
    qchart->addAxis(valueAxis, Qt::AlignLeft);
    for (QAbstractSeries* series : qchart->series()) {
        series->attachAxis(pointAxis);
        series->attachAxis(valueAxis);
    }
    setUpLegend(*qchart, chart, pixels);

    qchart->setGeometry(QRectF(QPointF(0, 0), QSizeF(area.size())));
    qchart->layout()->activate();
    if (!qchart->series().isEmpty() && pointLabels.turnIfCrowded(*qchart, qchart->series().first())) {
        qchart->setMargins(QMargins(leftRoom, 6, 6, pointLabels.bottomRoom()));
        qchart->layout()->activate();
    }
    scene.setSceneRect(QRectF(QPointF(0, 0), QSizeF(area.size())));
    scene.render(&painter, QRectF(area), scene.sceneRect());
    if (qchart->series().isEmpty())
        return;
    QAbstractSeries* first = qchart->series().first();
    pointLabels.draw(painter, *qchart, first, area);
    if (valueLabels)
        valueLabels->draw(painter, *qchart, first, area);
}

} // namespace

QImage RenderChart(const ChartControl& chart) {
    const int width = chart.widthPixels();
    const int height = chart.heightPixels();
    if (width <= 0 || height <= 0)
        return QImage();

    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    const bool hasHeader = !chart.header().text.isEmpty();
    const QFont font = headerFont(chart);
    const QRect header = hasHeader ? headerRect(chart, font, width) : QRect();

    const ChartPlotArea& plot = chart.plotArea();
    QRect area = QRect(plot.left, plot.top, plot.width, plot.height).intersected(picture.rect());
    // The header keeps its own line; the plot starts below it instead of running underneath.
    if (hasHeader && area.intersects(header) && area.top() <= header.bottom())
        area.setTop(header.bottom() + 2);
    if (area.width() > 20 && area.height() > 20)
        drawPlot(painter, chart, area);

    if (hasHeader)
        drawHeader(painter, chart, header, font);
    painter.end();
    return picture.convertToFormat(QImage::Format_RGB32);
}

bool ChartControl::Save(const QString& path, bool flag) const {
    const QImage picture = RenderChart(*this);
    if (picture.isNull())
        return false;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (flag)
        writer.setQuality(0); // the strongest compression
    if (!writer.write(picture))
        return false;
    // A failed save never leaves a broken picture behind.
    return writeFileWhole(path, png);
}

} // namespace tova
