// Drawing and saving a chart. Qt Charts draws the axes, bars, lines and legend into the plot area;
// the header is painted on top of the picture so that its place and frame follow the chart's state
// exactly.
#include "platform/chart/ui/ChartRenderer.h"

#include "platform/chart/ChartControl.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImageWriter>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QSaveFile>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

namespace tova {
namespace {

// Qt's category axes key their categories by text, so equal texts (empty labels, say) would merge
// into one category. Invisible zero-width suffixes keep them apart without changing what shows.
QStringList distinctTexts(const QStringList& texts)
{
    QStringList distinct;
    for (const QString& text : texts) {
        QString candidate = text;
        while (distinct.contains(candidate))
            candidate += QChar(0x200B);
        distinct.append(candidate);
    }
    return distinct;
}

QColor colourOf(const ChartRgb& rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The design's family at a pixel size that suits the picture: small dashboard charts get small
// annotation, large ones stay readable.
QFont chartFont(const ChartDesign& design, int pixelSize, bool bold = false)
{
    QFont font;
    if (!design.fontFamily.isEmpty())
        font.setFamilies({design.fontFamily, QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

int annotationPixels(int chartHeight)
{
    return std::clamp(chartHeight / 18, 7, 11);
}

// A header font below 8 points cannot be read on screen; smaller sizes are drawn at 8.
QFont headerFont(const ChartControl& chart)
{
    QFont font = chartFont(chart.design(), 1, chart.header().bold);
    font.setPointSizeF(std::max(chart.header().fontSize, 8));
    return font;
}

QRect headerRect(const ChartControl& chart, const QFont& font, int pictureWidth)
{
    const ChartHeader& header = chart.header();
    const int frame = header.frameStyle == 0 ? 0 : std::max(header.frameWidth, 0);
    const QFontMetrics metrics(font);
    const int padding = 3;
    const int width = std::min(metrics.horizontalAdvance(header.text) + 2 * (padding + frame), pictureWidth);
    const int height = metrics.height() + 2 * frame + 2;
    return QRect((pictureWidth - width) / 2, header.top, width, height);
}

void drawHeader(QPainter& painter, const ChartControl& chart, const QRect& rect, const QFont& font)
{
    const ChartHeader& header = chart.header();
    const int frame = header.frameStyle == 0 ? 0 : std::max(header.frameWidth, 0);
    painter.fillRect(rect, colourOf(header.background));
    if (frame > 0) {
        // A raised frame: light along the top and left, shaded along the bottom and right.
        const QColor light(235, 235, 235);
        const QColor shade(150, 150, 150);
        for (int i = 0; i < frame; ++i) {
            const QRect ring = rect.adjusted(i, i, -i - 1, -i - 1);
            painter.setPen(light);
            painter.drawLine(ring.topLeft(), ring.topRight());
            painter.drawLine(ring.topLeft(), ring.bottomLeft());
            painter.setPen(shade);
            painter.drawLine(ring.bottomLeft(), ring.bottomRight());
            painter.drawLine(ring.topRight(), ring.bottomRight());
        }
    }
    painter.setPen(Qt::black);
    painter.setFont(font);
    const QRect inner = rect.adjusted(frame, frame, -frame, -frame);
    const QString text = QFontMetrics(font).elidedText(header.text, Qt::ElideRight, inner.width());
    painter.drawText(inner, Qt::AlignCenter, text);
}

// The texts under the points: the point labels, or the point numbers.
QStringList pointTexts(const ChartControl& chart)
{
    QStringList texts;
    for (int p = 1; p <= chart.numPoints(); ++p) {
        if (chart.axis1().annotation == AxisAnnotation::PointLabels)
            texts.append(chart.pointLabel(p));
        else
            texts.append(QString::number(p));
    }
    return distinctTexts(texts);
}

struct ValueRange {
    double lower = 0.0;
    double upper = 100.0;
};

// Scores and indexes run from 0 to 100; the range widens for anything outside that.
ValueRange valueRange(const ChartControl& chart)
{
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

void styleAxis(QAbstractAxis* axis, const ChartControl& chart, const ChartAxis& state, int pixels)
{
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

QAbstractAxis* makeValueAxis(const ChartControl& chart, const ValueRange& range, int pixels)
{
    const ChartAxis& state = chart.axis2();
    QAbstractAxis* axis = nullptr;
    if (state.annotation == AxisAnnotation::ValueLabels) {
        auto* labelled = new QCategoryAxis;
        labelled->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        labelled->setRange(range.lower, range.upper);
        labelled->setStartValue(range.lower - 1.0);
        QList<ChartValueLabel> labels = state.valueLabels;
        std::stable_sort(labels.begin(), labels.end(),
                         [](const ChartValueLabel& a, const ChartValueLabel& b) { return a.value < b.value; });
        QStringList texts;
        for (const ChartValueLabel& label : labels)
            texts.append(label.text);
        texts = distinctTexts(texts);
        double previous = range.lower - 1.0;
        for (int i = 0; i < labels.size(); ++i) {
            // Two labels at one value cannot both have a place; the first one keeps it.
            if (labels.at(i).value <= previous)
                continue;
            labelled->append(texts.at(i), labels.at(i).value);
            previous = labels.at(i).value;
        }
        axis = labelled;
    } else {
        auto* numbers = new QValueAxis;
        numbers->setRange(range.lower, range.upper);
        numbers->setTickCount(6);
        numbers->setLabelFormat(QStringLiteral("%.0f"));
        axis = numbers;
    }
    styleAxis(axis, chart, state, pixels);
    return axis;
}

QAbstractAxis* makePointAxis(const ChartControl& chart, int pixels)
{
    auto* axis = new QBarCategoryAxis;
    axis->append(pointTexts(chart));
    styleAxis(axis, chart, chart.axis1(), pixels);
    axis->setGridLineVisible(false);
    return axis;
}

void addBars(QChart& qchart, const ChartControl& chart)
{
    auto* bars = new QStackedBarSeries;
    bars->setBarWidth(0.6);
    for (int s = 1; s <= chart.seriesCount(); ++s) {
        auto* set = new QBarSet(chart.seriesLabels().value(s - 1));
        const QColor colour = colourOf(chart.design().seriesColours.at(s - 1));
        set->setColor(colour);
        set->setBorderColor(colour.darker(150));
        for (int p = 1; p <= chart.numPoints(); ++p)
            set->append(chart.value(s, p));
        bars->append(set);
    }
    qchart.addSeries(bars);
}

void addLines(QChart& qchart, const ChartControl& chart)
{
    for (int s = 1; s <= chart.seriesCount(); ++s) {
        auto* line = new QLineSeries;
        line->setName(chart.seriesLabels().value(s - 1));
        line->setPen(QPen(colourOf(chart.design().seriesColours.at(s - 1)), 2));
        line->setPointsVisible(true);
        line->setMarkerSize(7);
        for (int p = 1; p <= chart.numPoints(); ++p)
            line->append(p - 1, chart.value(s, p));
        qchart.addSeries(line);
    }
}

void setUpLegend(QChart& qchart, const ChartControl& chart, int pixels)
{
    QLegend* legend = qchart.legend();
    if (!chart.design().showLegend || chart.seriesLabels().isEmpty()) {
        legend->hide();
        return;
    }
    legend->setAlignment(Qt::AlignBottom);
    legend->setFont(chartFont(chart.design(), pixels));
    legend->setLabelColor(QColor(40, 40, 40));
    // A series without a label has nothing to say in the legend.
    for (QLegendMarker* marker : legend->markers()) {
        if (marker->label().isEmpty())
            marker->setVisible(false);
    }
}

// Draws the axes, points and legend into area of the painter's picture.
void drawPlot(QPainter& painter, const ChartControl& chart, const QRect& area)
{
    const int pixels = annotationPixels(chart.heightPixels());
    QGraphicsScene scene;
    auto* qchart = new QChart;
    scene.addItem(qchart);
    qchart->setAnimationOptions(QChart::NoAnimation);
    qchart->setBackgroundRoundness(0);
    qchart->setBackgroundBrush(Qt::white);
    qchart->setBackgroundPen(Qt::NoPen);
    qchart->setMargins(QMargins(2, 2, 4, 2));
    qchart->layout()->setContentsMargins(0, 0, 0, 0);

    if (chart.design().type == ChartType::StackingBar)
        addBars(*qchart, chart);
    else
        addLines(*qchart, chart);

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
    scene.setSceneRect(QRectF(QPointF(0, 0), QSizeF(area.size())));
    scene.render(&painter, QRectF(area), scene.sceneRect());
}

} // namespace

QImage RenderChart(const ChartControl& chart)
{
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

bool ChartControl::Save(const QString& path, bool flag) const
{
    const QImage picture = RenderChart(*this);
    if (picture.isNull())
        return false;
    // The new picture goes to a temporary file beside the old one and replaces it only when
    // complete, so a failed save never leaves a broken picture behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "png");
    if (flag)
        writer.setQuality(0); // the strongest compression
    if (!writer.write(picture)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace tova
