// Drawing and saving a chart. Qt Charts draws the axes, bars, lines and legend into the plot area;
// the header is painted on top of the picture so that its place and frame follow the chart's state
// exactly.
#include "platform/chart/ui/ChartRenderer.h"

#include "platform/WholeFile.h"
#include "platform/chart/ChartControl.h"
#include "platform/chart/ui/CrowdedPoints.h"
#include "platform/chart/ui/PngEncoder.h"
#include "platform/chart/ui/PointLabels.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

namespace tova {
namespace {

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
    return std::clamp(chartHeight / 26, kSmallestTextPixels, 10);
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

// The dates of a line chart's points, oldest to newest; a chart without points spans one day.
ValueRange dateRange(const ChartControl& chart) {
    if (chart.numPoints() == 0)
        return {0.0, 1.0};
    ValueRange range{drawable(chart.xValue(1)), drawable(chart.xValue(1))};
    for (int p = 2; p <= chart.numPoints(); ++p) {
        range.lower = std::min(range.lower, drawable(chart.xValue(p)));
        range.upper = std::max(range.upper, drawable(chart.xValue(p)));
    }
    // A single date sits in the middle of the plot.
    if (range.upper - range.lower < 1e-9)
        return {range.lower - 1.0, range.upper + 1.0};
    return range;
}

// Widens a range so that a mark of `pixels` at either end stays whole inside a plot side of `side`
// pixels.
ValueRange padded(const ValueRange& range, double pixels, double side) {
    const double usable = std::max(side - 2 * pixels, side / 2);
    const double pad = (range.upper - range.lower) * pixels / usable;
    return {range.lower - pad, range.upper + pad};
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
    if (!state.title.isEmpty()) {
        axis->setTitleText(state.title);
        axis->setTitleFont(chartFont(chart.design(), pixels + 1, true));
        axis->setTitleBrush(QColor(40, 40, 40));
    }
}

// A step of 1, 2 or 5 times a power of ten that cuts the range into about five parts.
double niceStep(double span) {
    const double raw = std::max(span, 1e-9) / 5.0;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0})
        if (raw <= factor * power)
            return factor * power;
    return 10.0 * power;
}

// The value axis keeps the range and, for value labels, a grid line at each label; the labels
// themselves are painted by ValueLabelColumn. Numbers go at round values of the range, whatever
// padding the axis is given later.
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
        numbers->setTickType(QValueAxis::TicksDynamic);
        numbers->setTickAnchor(range.lower);
        numbers->setTickInterval(niceStep(range.upper - range.lower));
        numbers->setLabelFormat(QStringLiteral("%.0f"));
        axis = numbers;
    }
    styleAxis(axis, chart, state, pixels);
    if (state.annotation == AxisAnnotation::ValueLabels)
        axis->setLabelsVisible(false);
    return axis;
}

// The point axis places the points; their labels are painted by PointLabels. Bars stand in one
// slot per point, whatever their labels say; lines put each point at its own x value.
QAbstractAxis* makePointAxis(const ChartControl& chart, const ValueRange& dates, int pixels) {
    QAbstractAxis* axis = nullptr;
    if (chart.design().type == ChartType::StackingBar) {
        auto* categories = new QBarCategoryAxis;
        for (int p = 1; p <= chart.numPoints(); ++p)
            categories->append(QString::number(p));
        axis = categories;
    } else {
        auto* time = new QValueAxis;
        time->setRange(dates.lower, dates.upper);
        // Ticks at round numbers of days would say nothing: the points get ticks of their own.
        time->setTickCount(2);
        axis = time;
    }
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

constexpr double kMarkerSize = 5.0;
// Room around a mark (Qt draws it about twice its size across) so that a point at the edge of a
// range is drawn whole.
constexpr double kMarkerRoom = kMarkerSize + 3;

// One series of a line chart as Qt Charts draws it: its line, and over it its marks. They are two
// series so that each is given only the points it needs; marks and line of one series still lie
// together above the series before it.
struct DrawnLine {
    QLineSeries* line = nullptr;
    QLineSeries* marks = nullptr;
};

// The series are given their points once the plot has its place (fillLines): until then every round
// of the layout would redraw them for nothing.
QVector<DrawnLine> addLines(QChart& qchart, const ChartControl& chart) {
    QVector<DrawnLine> drawn;
    for (int s = 1; s <= chart.seriesCount(); ++s) {
        const QColor colour = colourOf(chart.design().seriesColours.at(s - 1));
        auto* line = new QLineSeries;
        line->setName(chart.seriesLabels().value(s - 1));
        line->setPen(QPen(colour, 2));
        qchart.addSeries(line);
        // Without a name the marks take no place in the legend; without a pen they draw no line.
        auto* marks = new QLineSeries;
        QPen invisible(colour, 2);
        invisible.setStyle(Qt::NoPen);
        marks->setPen(invisible);
        marks->setPointsVisible(true);
        marks->setMarkerSize(kMarkerSize);
        qchart.addSeries(marks);
        drawn.append(DrawnLine{line, marks});
    }
    return drawn;
}

void setUpLegend(QChart& qchart, const ChartControl& chart, int pixels) {
    QLegend* legend = qchart.legend();
    if (!chart.design().showLegend || chart.seriesLabels().isEmpty()) {
        legend->hide();
        return;
    }
    // Several long section names read better in a column beside the plot; a single name goes above
    // it, clear of the point labels and the axis title below.
    legend->setAlignment(chart.seriesCount() > 1 ? Qt::AlignRight : Qt::AlignTop);
    legend->setFont(chartFont(chart.design(), pixels));
    legend->setLabelColor(QColor(40, 40, 40));
    // A series without a label has nothing to say in the legend.
    for (QLegendMarker* marker : legend->markers()) {
        if (marker->label().isEmpty())
            marker->setVisible(false);
    }
}

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

// Point labels: the design's family; without one, a narrow face so that names fit under bars.
QStringList labelFamilies(const ChartDesign& design) {
    if (!design.fontFamily.isEmpty())
        return {design.fontFamily, QStringLiteral("DejaVu Sans")};
    return {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")};
}

// The largest label font worth trying for a chart of this height.
int largestLabelPixels(int chartHeight) {
    return std::clamp(chartHeight / 11, 8, 11);
}

// What the labels may take below the plot: bars keep at least half their area for themselves, a
// line chart a little more.
double labelBandShare(const ChartControl& chart) {
    return chart.design().type == ChartType::StackingBar ? 0.6 : 0.45;
}

// Where the points of the chart stand in the picture (x) and where their first series is drawn.
QVector<QPointF> pointPositions(QChart& qchart, const ChartControl& chart, QAbstractSeries* series, const QRect& area) {
    QVector<QPointF> positions;
    for (int p = 1; p <= chart.numPoints(); ++p) {
        QPointF value;
        if (chart.design().type == ChartType::StackingBar) {
            double stacked = 0.0;
            for (int s = 1; s <= chart.seriesCount(); ++s)
                stacked += std::max(drawable(chart.value(s, p)), 0.0);
            value = QPointF(p - 1, stacked);
        } else {
            value = QPointF(drawable(chart.xValue(p)), drawable(chart.value(1, p)));
        }
        positions.append(qchart.mapToPosition(value, series) + QPointF(area.topLeft()));
    }
    return positions;
}

// Across a mark as drawn, with a hair of white beside it: marks whose centres are closer than this
// touch or overlap.
constexpr double kMarkAcross = 2 * kMarkerSize + 2;

// With a single point there are no lines, only one mark per series, and series of nearly the same
// value would hide each other's mark. A mark that would overlap one already placed moves sideways
// by a mark's width, right and left by turns, until it stands clear; a mark that overlaps none,
// and the first series' mark, stay where they are.
void spreadSinglePointMarks(QVector<QVector<QPointF>>& marks) {
    QVector<QPointF> placed;
    for (QVector<QPointF>& series : marks) {
        if (series.size() != 1)
            continue;
        const QPointF centre = series.first();
        // Each placed mark blocks at most two of the places a mark's width apart: one of these is free.
        QPointF at = centre;
        for (int step = 0; step <= 2 * int(placed.size()); ++step) {
            at = centre + QPointF((step + 1) / 2 * kMarkAcross * (step % 2 ? 1 : -1), 0);
            const bool overlaps = std::any_of(placed.begin(), placed.end(), [&at](const QPointF& other) {
                return std::hypot(other.x() - at.x(), other.y() - at.y()) < kMarkAcross;
            });
            if (!overlaps)
                break;
        }
        placed.append(at);
        series.first() = at;
    }
}

// Where each series' marks stand in the picture, by series and then by point.
QVector<QVector<QPointF>> markPositions(QChart& qchart, const ChartControl& chart, QAbstractSeries* mapping,
                                        const QRect& area) {
    QVector<QVector<QPointF>> marks;
    for (int s = 1; s <= chart.seriesCount(); ++s) {
        QVector<QPointF> positions;
        positions.reserve(chart.numPoints());
        for (int p = 1; p <= chart.numPoints(); ++p)
            positions.append(
                qchart.mapToPosition(QPointF(drawable(chart.xValue(p)), drawable(chart.value(s, p))), mapping) +
                QPointF(area.topLeft()));
        marks.append(positions);
    }
    if (chart.numPoints() == 1)
        spreadSinglePointMarks(marks);
    return marks;
}

// Marks whose centres share a square of half a mark's width (its radius) cover nearly the same place:
// of such a crowd only the first is drawn. A finer square would keep more of a crowd's ragged edge,
// at tens of microseconds a mark in a saved picture.
constexpr double kMarkCell = kMarkerSize;

// Gives each series what it draws: the line joins the points oldest to newest (the order of the
// points in the chart does not matter), both thinned where points crowd. marks are where
// markPositions put them; the series get the values that stand there.
void fillLines(QChart& qchart, const ChartControl& chart, const QVector<DrawnLine>& drawn,
               const QVector<QVector<QPointF>>& marks, const QRect& area) {
    QVector<int> byDate(chart.numPoints());
    std::iota(byDate.begin(), byDate.end(), 0);
    std::stable_sort(byDate.begin(), byDate.end(),
                     [&chart](int a, int b) { return drawable(chart.xValue(a + 1)) < drawable(chart.xValue(b + 1)); });
    const QPointF origin(area.topLeft());
    for (int s = 0; s < drawn.size() && s < marks.size(); ++s) {
        QVector<QPointF> joined;
        joined.reserve(byDate.size());
        for (int p : byDate)
            joined.append(marks.at(s).at(p));
        const auto valuesAt = [&](const QVector<QPointF>& positions) {
            QList<QPointF> values;
            values.reserve(positions.size());
            for (const QPointF& position : positions)
                values.append(qchart.mapToValue(position - origin, drawn.at(s).line));
            return values;
        };
        drawn.at(s).line->replace(valuesAt(lineThroughColumns(joined)));
        drawn.at(s).marks->replace(valuesAt(marksApartByCell(joined, kMarkCell)));
    }
}

// Draws the axes, points and legend into area of the painter's picture.
void drawPlot(QPainter& painter, const ChartControl& chart, const QRect& area, ChartLayout& layout) {
    const int pixels = annotationPixels(chart.heightPixels());
    QGraphicsScene scene;
    // Drawn once and thrown away: an index of the items would cost more to keep than it saves.
    scene.setItemIndexMethod(QGraphicsScene::NoIndex);
    auto* qchart = new QChart;
    scene.addItem(qchart);
    qchart->setAnimationOptions(QChart::NoAnimation);
    qchart->setBackgroundRoundness(0);
    qchart->setBackgroundBrush(Qt::white);
    qchart->setBackgroundPen(Qt::NoPen);
    qchart->layout()->setContentsMargins(0, 0, 0, 0);

    const bool bars = chart.design().type == ChartType::StackingBar;
    QVector<DrawnLine> lines;
    if (bars)
        addBars(*qchart, chart);
    else
        lines = addLines(*qchart, chart);

    PointLabels labels(pointTexts(chart), labelFamilies(chart.design()), chart.axis1().annotationAngle,
                       largestLabelPixels(chart.heightPixels()));
    const QFont titleFont = chartFont(chart.design(), pixels + 1, true);
    const QString title = chart.axis1().title;
    const int titleHeight = title.isEmpty() ? 0 : int(std::ceil(QFontMetricsF(titleFont).height())) + 2;
    std::optional<ValueLabelColumn> valueLabels;
    if (chart.axis2().annotation == AxisAnnotation::ValueLabels)
        valueLabels.emplace(chart, pixels);
    const int baseLeft = valueLabels ? valueLabels->leftRoom() : 2;
    const int baseRight = 6;
    // Room at the top keeps the highest value label whole.
    QMargins margins(baseLeft, 6, baseRight, titleHeight);

    const ValueRange values = valueRange(chart);
    const ValueRange dates = dateRange(chart);
    QAbstractAxis* pointAxis = makePointAxis(chart, dates, pixels);
    QAbstractAxis* valueAxis = makeValueAxis(chart, values, pixels);
    qchart->addAxis(pointAxis, Qt::AlignBottom);
    qchart->addAxis(valueAxis, Qt::AlignLeft);
    for (QAbstractSeries* series : qchart->series()) {
        series->attachAxis(pointAxis);
        series->attachAxis(valueAxis);
    }
    setUpLegend(*qchart, chart, pixels);
    // Setting the geometry lays the chart out: with the first round's margins already in place, that
    // layout is the first round's.
    qchart->setMargins(margins);
    qchart->setGeometry(QRectF(QPointF(0, 0), QSizeF(area.size())));
    if (qchart->series().isEmpty())
        return;
    QAbstractSeries* first = qchart->series().first();

    // The labels' room depends on where the plot ends up, and the plot on the labels' room: a few
    // rounds settle both. Marks at the ends of a line chart's ranges are kept whole by widening them.
    for (int round = 0; round < 4; ++round) {
        qchart->setMargins(margins);
        qchart->layout()->activate();
        const QRectF plot = qchart->plotArea();
        if (!bars) {
            const ValueRange shownValues = padded(values, kMarkerRoom, plot.height());
            static_cast<QValueAxis*>(valueAxis)->setRange(shownValues.lower, shownValues.upper);
            const ValueRange shownDates = padded(dates, kMarkerRoom, plot.width());
            static_cast<QValueAxis*>(pointAxis)->setRange(shownDates.lower, shownDates.upper);
        }
        PointLabelRoom room;
        for (const QPointF& position : pointPositions(*qchart, chart, first, area))
            room.anchors.append(position.x());
        room.top = area.top() + plot.bottom();
        room.mostHeight = area.height() * labelBandShare(chart);
        room.pictureWidth = chart.widthPixels();
        room.evenlySpaced = bars;
        room.lowest = area.left() + plot.left();
        room.highest = area.left() + plot.right();
        labels.fit(room);

        // The labels may take at most a third of the width from the plot.
        const int widest = area.width() / 3;
        QMargins wanted(std::clamp(int(std::ceil(margins.left() + labels.leftOverflow())), baseLeft, widest), 6,
                        std::clamp(int(std::ceil(margins.right() + labels.rightOverflow())), baseRight, widest),
                        int(labels.bandHeight()) + titleHeight);
        if (wanted == margins)
            break;
        margins = wanted;
    }

    if (!bars) {
        layout.marks = markPositions(*qchart, chart, first, area);
        fillLines(*qchart, chart, lines, layout.marks, area);
    }
    scene.setSceneRect(QRectF(QPointF(0, 0), QSizeF(area.size())));
    scene.render(&painter, QRectF(area), scene.sceneRect());
    const QRectF plot = qchart->plotArea().translated(area.topLeft());
    labels.draw(painter);
    if (valueLabels)
        valueLabels->draw(painter, *qchart, first, area);

    layout.plot = plot;
    layout.points = pointPositions(*qchart, chart, first, area);
    layout.bars = bars ? static_cast<QBarCategoryAxis*>(pointAxis)->count() : 0;
    layout.elidedLabels = labels.elided();
    if (qchart->legend()->isVisible())
        layout.legend = qchart->legend()->geometry().translated(area.topLeft());
    if (!title.isEmpty()) {
        const QRectF titleRect(plot.left(), plot.bottom() + labels.bandHeight(), plot.width(), titleHeight);
        const QFontMetricsF metrics(titleFont);
        layout.axis1Title = QRectF(titleRect.center().x() - metrics.horizontalAdvance(title) / 2, titleRect.top(),
                                   metrics.horizontalAdvance(title), titleHeight);
        painter.save();
        painter.setFont(titleFont);
        painter.setPen(QColor(40, 40, 40));
        painter.drawText(titleRect, Qt::AlignCenter, title);
        painter.restore();
    }
}

} // namespace

QImage RenderChart(const ChartControl& chart, ChartLayout* layout, int pixelRatio) {
    ChartLayout ignored;
    ChartLayout& drawn = layout ? *layout : ignored;
    drawn = ChartLayout();
    const int width = chart.widthPixels();
    const int height = chart.heightPixels();
    if (width <= 0 || height <= 0 || pixelRatio < 1)
        return QImage();

    // Drawn in the chart's own pixels whatever the ratio: the picture just has more of them.
    QImage picture(width * pixelRatio, height * pixelRatio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    const bool hasHeader = !chart.header().text.isEmpty();
    const QFont font = headerFont(chart);
    const QRect header = hasHeader ? headerRect(chart, font, width) : QRect();

    const ChartPlotArea& plot = chart.plotArea();
    QRect area = QRect(plot.left, plot.top, plot.width, plot.height).intersected(QRect(0, 0, width, height));
    // The header keeps its own line; the plot starts below it instead of running underneath.
    if (hasHeader && area.intersects(header) && area.top() <= header.bottom())
        area.setTop(header.bottom() + 2);
    if (area.width() > 20 && area.height() > 20)
        drawPlot(painter, chart, area, drawn);

    if (hasHeader)
        drawHeader(painter, chart, header, font);
    painter.end();
    return picture;
}

bool ChartControl::Save(const QString& path, bool /*flag*/) const {
    // One setting serves every caller: the quickest write is also as small as a chart picture gets
    // for the time worth spending on it.
    const QByteArray png = encodePng(RenderChart(*this, nullptr, kSavedPixelRatio));
    if (png.isEmpty())
        return false;
    // A failed save never leaves a broken picture behind.
    return writeFileWhole(path, png);
}

} // namespace tova
