#include "platform/chart/ui/PointLabels.h"

#include <QFontMetricsF>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

namespace tova {
namespace {

constexpr double kTickGap = 4.0;
constexpr int kSmallestPixels = 7;
constexpr int kMostLines = 3;
constexpr double kFlatPadding = 4.0;

struct Word {
    QString text;
    bool blankBefore = false;
};

// Words end at blanks (dropped where a line breaks) and after hyphens (kept).
QVector<Word> wordsOf(const QString& text) {
    QVector<Word> words;
    QString word;
    bool blank = false;
    for (const QChar ch : text) {
        if (ch == QLatin1Char(' ')) {
            if (!word.isEmpty())
                words.append({word, blank});
            word.clear();
            blank = true;
            continue;
        }
        word += ch;
        if (ch == QLatin1Char('-')) {
            words.append({word, blank});
            word.clear();
            blank = false;
        }
    }
    if (!word.isEmpty())
        words.append({word, blank});
    return words;
}

// The text in at most maxLines lines no wider than width; nothing when it cannot be done.
template <typename Measure>
std::optional<QStringList> wrap(const QString& text, const Measure& measure, double width, int maxLines) {
    // Text that fits on one line as it stands is that line: a chart of thousands of points can
    // afford one measurement per label, not one per word.
    const bool singleBlanks =
        !text.startsWith(QLatin1Char(' ')) && !text.endsWith(QLatin1Char(' ')) && !text.contains(QLatin1String("  "));
    if (!text.isEmpty() && singleBlanks && measure(text) <= width)
        return QStringList{text};
    QStringList lines;
    QString line;
    for (const Word& word : wordsOf(text)) {
        const QString joined =
            line.isEmpty() ? word.text : line + (word.blankBefore ? QStringLiteral(" ") : QString()) + word.text;
        if (measure(joined) <= width) {
            line = joined;
            continue;
        }
        if (line.isEmpty() || measure(word.text) > width)
            return std::nullopt;
        lines.append(line);
        line = word.text;
    }
    lines.append(line);
    if (lines.size() > maxLines)
        return std::nullopt;
    return lines;
}

template <typename Measure> double widestOf(const QStringList& lines, const Measure& measure) {
    double widest = 0.0;
    for (const QString& line : lines)
        widest = std::max(widest, measure(line));
    return widest;
}

// Moves positions apart to at least gap, keeping their order, as little as the bounds allow.
QVector<double> spreadApart(const QVector<double>& xs, double gap, double lowest, double highest) {
    QVector<int> order(xs.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&xs](int a, int b) { return xs.at(a) < xs.at(b); });
    QVector<double> sorted;
    for (int i : order)
        sorted.append(xs.at(i));
    for (int i = 1; i < sorted.size(); ++i)
        sorted[i] = std::max(sorted.at(i), sorted.at(i - 1) + gap);
    if (!sorted.isEmpty() && sorted.last() > highest) {
        sorted.last() = std::max(highest, lowest);
        for (int i = int(sorted.size()) - 2; i >= 0; --i)
            sorted[i] = std::min(sorted.at(i), sorted.at(i + 1) - gap);
    }
    QVector<double> spread(xs.size());
    for (int i = 0; i < order.size(); ++i)
        spread[order.at(i)] = sorted.at(i);
    return spread;
}

} // namespace

PointLabels::PointLabels(QStringList texts, QStringList families, double angle, int largestPixels)
    : m_texts(std::move(texts)), m_families(std::move(families)), m_largestPixels(std::max(largestPixels, 7)) {
    const double turned = std::clamp(std::abs(angle), 0.0, 90.0);
    if (turned == 0.0)
        m_angles = {0.0, 45.0, 90.0};
    else if (turned < 90.0)
        m_angles = {turned, 90.0};
    else
        m_angles = {90.0};
}

QFont PointLabels::fontOf(int pixels) const {
    QFont font;
    font.setFamilies(m_families);
    font.setPixelSize(pixels);
    return font;
}

double PointLabels::advance(const QFontMetricsF& metrics, int pixels, const QString& text) {
    QHash<QString, double>& widths = m_advances[pixels];
    const auto found = widths.constFind(text);
    if (found != widths.constEnd())
        return *found;
    const double width = metrics.horizontalAdvance(text);
    widths.insert(text, width);
    return width;
}

void PointLabels::fit(const PointLabelRoom& room) {
    m_room = room;
    m_elided.clear();
    // A larger font reads better than a gentler angle.
    for (int pixels = m_largestPixels; pixels >= kSmallestPixels; --pixels)
        for (double angle : m_angles)
            for (int lines = 1; lines <= kMostLines; ++lines)
                if (tryLayout(angle, pixels, lines, false)) {
                    place();
                    shortenWhatOverflows();
                    return;
                }
    // Nothing lets every text show whole: the smallest font, at the angle that shortens fewest. The
    // best layout is kept as it was made rather than made again: with thousands of labels each
    // layout is a measurable part of the picture.
    struct Layout {
        double angle;
        QFont font;
        QVector<Placed> placed;
        QStringList elided;
    };
    std::optional<Layout> best;
    for (double angle : m_angles) {
        tryLayout(angle, kSmallestPixels, kMostLines, true);
        if (!best || m_elided.size() < best->elided.size())
            best = Layout{m_angle, m_font, m_placed, m_elided};
        // Only a layout that shortens fewer replaces the best, and none shortens fewer than none.
        if (best->elided.isEmpty())
            break;
    }
    m_angle = best->angle;
    m_font = best->font;
    m_placed = best->placed;
    m_elided = best->elided;
    place();
    shortenWhatOverflows();
}

bool PointLabels::tryLayout(double angle, int pixels, int lines, bool shorten) {
    const QFont font = fontOf(pixels);
    const QFontMetricsF metrics(font);
    const double lineHeight = metrics.height();
    const double sine = std::sin(qDegreesToRadians(angle));
    const double cosine = std::cos(qDegreesToRadians(angle));
    const QVector<double>& anchors = m_room.anchors;
    const double evenSpacing = anchors.size() > 1 ? std::abs(anchors.at(1) - anchors.at(0)) : m_room.pictureWidth;
    const double blockHeight = lines * lineHeight;

    double widthLimit = 0.0;
    if (angle == 0.0) {
        if (blockHeight + kTickGap > m_room.mostHeight && !shorten)
            return false;
        widthLimit = m_room.evenlySpaced ? evenSpacing - kFlatPadding : m_room.pictureWidth;
    } else {
        if (m_room.evenlySpaced && blockHeight > evenSpacing * sine - 1.0 && !shorten)
            return false;
        widthLimit = (m_room.mostHeight - kTickGap - blockHeight * cosine) / sine;
    }
    if (widthLimit <= 0.0 && !shorten)
        return false;

    // Turned labels of a line chart need a gap that does not depend on their widths: a layout
    // whose gaps cannot fit is refused before anything is measured. Flat ones need at least their
    // padding.
    if (!m_room.evenlySpaced && m_texts.size() > 1 && !shorten) {
        const double leastGap = angle == 0.0 ? kFlatPadding : (blockHeight + 1.0) / sine;
        if (leastGap * double(m_texts.size() - 1) > m_room.highest - m_room.lowest)
            return false;
    }

    if (shorten && angle != 0.0 && m_room.evenlySpaced)
        lines = std::max(1, std::min(lines, int((evenSpacing * sine - 1.0) / lineHeight)));
    const auto measure = [this, &metrics, pixels](const QString& text) { return advance(metrics, pixels, text); };
    QVector<Placed> placed;
    QStringList elided;
    double widest = 0.0;
    for (int i = 0; i < m_texts.size(); ++i) {
        std::optional<QStringList> wrapped = wrap(m_texts.at(i), measure, std::max(widthLimit, 0.0), lines);
        if (!wrapped && !shorten)
            return false;
        if (!wrapped) {
            wrapped = QStringList{metrics.elidedText(m_texts.at(i), Qt::ElideRight, std::max(widthLimit, 0.0))};
            elided.append(m_texts.at(i));
        }
        Placed label;
        label.lines = *wrapped;
        label.width = widestOf(label.lines, measure);
        label.anchor = anchors.value(i);
        label.x = label.anchor;
        widest = std::max(widest, label.width);
        placed.append(label);
    }
    // Labels of a line chart move apart; they must all find room between the picture's edges.
    if (!m_room.evenlySpaced && placed.size() > 1) {
        const double gap = angle == 0.0 ? widest + kFlatPadding : (blockHeight + 1.0) / sine;
        if (gap * (placed.size() - 1) > m_room.highest - m_room.lowest && !shorten)
            return false;
    }
    m_angle = angle;
    m_font = font;
    m_placed = placed;
    m_elided = elided;
    return true;
}

void PointLabels::place() {
    const QFontMetricsF metrics(m_font);
    const double lineHeight = metrics.height();
    const double sine = std::sin(qDegreesToRadians(m_angle));
    const double cosine = std::cos(qDegreesToRadians(m_angle));
    if (!m_room.evenlySpaced && m_placed.size() > 1) {
        double gap = 0.0;
        for (const Placed& label : m_placed)
            gap = std::max(gap, m_angle == 0.0 ? label.width + kFlatPadding
                                               : (label.lines.size() * lineHeight + 1.0) / sine);
        if (gap * double(m_placed.size() - 1) > m_room.highest - m_room.lowest)
            leaveOutCrowded(gap);
        QVector<int> shown;
        QVector<double> xs;
        for (int i = 0; i < m_placed.size(); ++i)
            if (m_placed.at(i).shown) {
                shown.append(i);
                xs.append(m_placed.at(i).anchor);
            }
        xs = spreadApart(xs, gap, m_room.lowest, m_room.highest);
        for (int k = 0; k < shown.size(); ++k)
            m_placed[shown.at(k)].x = xs.at(k);
    }
    m_band = 0.0;
    m_leftOverflow = 0.0;
    m_rightOverflow = 0.0;
    for (const Placed& label : m_placed) {
        if (!label.shown)
            continue;
        const double height = label.lines.size() * lineHeight;
        double left = label.width / 2;
        double right = label.width / 2;
        double tall = height;
        if (m_angle != 0.0) {
            // Turned upwards, a label ends at its point and reaches down to the left.
            left = label.width * cosine + height * sine / 2;
            right = height * sine / 2;
            tall = label.width * sine + height * cosine;
        }
        m_band = std::max(m_band, tall + kTickGap);
        m_leftOverflow = std::max(m_leftOverflow, left - label.x);
        m_rightOverflow = std::max(m_rightOverflow, label.x + right - m_room.pictureWidth);
    }
    m_band = std::ceil(m_band);
}

void PointLabels::leaveOutCrowded(double gap) {
    QVector<int> order(m_placed.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return m_placed.at(a).anchor > m_placed.at(b).anchor; });
    double lastKept = 0.0;
    for (int k = 0; k < order.size(); ++k) {
        Placed& label = m_placed[order.at(k)];
        label.shown = k == 0 || lastKept - label.anchor >= gap;
        if (label.shown)
            lastKept = label.anchor;
        else
            m_elided.append(m_texts.at(order.at(k)));
    }
}

// A turned label still reaching past the picture's left edge is shortened to what it has there.
void PointLabels::shortenWhatOverflows() {
    if (m_angle == 0.0 || m_leftOverflow <= 0.0)
        return;
    const QFontMetricsF metrics(m_font);
    const double sine = std::sin(qDegreesToRadians(m_angle));
    const double cosine = std::cos(qDegreesToRadians(m_angle));
    for (int i = 0; i < m_placed.size(); ++i) {
        Placed& label = m_placed[i];
        if (!label.shown)
            continue;
        const double room = (label.x - label.lines.size() * metrics.height() * sine / 2) / std::max(cosine, 0.01);
        if (label.width <= room)
            continue;
        const QString shown = metrics.elidedText(m_texts.at(i), Qt::ElideRight, std::max(room, 0.0));
        if (!m_elided.contains(m_texts.at(i)))
            m_elided.append(m_texts.at(i));
        label.lines = QStringList{shown};
        label.width = metrics.horizontalAdvance(shown);
    }
}

void PointLabels::draw(QPainter& painter) const {
    const QFontMetricsF metrics(m_font);
    const double lineHeight = metrics.height();
    const double cosine = std::cos(qDegreesToRadians(m_angle));
    const double top = m_room.top + kTickGap;
    painter.save();
    painter.setFont(m_font);
    for (const Placed& label : m_placed) {
        // A tick says which point a label names: with a tick under every point, a thousand points
        // make the axis one grey bar.
        if (!label.shown)
            continue;
        // Points that stand at their own x get a tick of their own on the axis.
        if (!m_room.evenlySpaced) {
            painter.setPen(QPen(QColor(110, 110, 110), 1));
            painter.drawLine(QPointF(label.anchor, m_room.top), QPointF(label.anchor, m_room.top + 3));
        }
        // A label moved away from its point is joined to it.
        if (std::abs(label.x - label.anchor) > 1.0) {
            painter.setPen(QPen(QColor(150, 150, 150), 0.8));
            painter.drawLine(QPointF(label.anchor, m_room.top), QPointF(label.x, top));
        }
        painter.setPen(QColor(40, 40, 40));
        const double height = label.lines.size() * lineHeight;
        if (m_angle == 0.0) {
            for (int j = 0; j < label.lines.size(); ++j)
                painter.drawText(
                    QRectF(label.x - label.width / 2 - 1, top + j * lineHeight, label.width + 2, lineHeight),
                    Qt::AlignHCenter | Qt::AlignVCenter, label.lines.at(j));
            continue;
        }
        painter.save();
        painter.translate(label.x, top + height * cosine / 2);
        painter.rotate(-m_angle);
        for (int j = 0; j < label.lines.size(); ++j)
            painter.drawText(QRectF(-label.width - 1, -height / 2 + j * lineHeight, label.width + 1, lineHeight),
                             Qt::AlignRight | Qt::AlignVCenter, label.lines.at(j));
        painter.restore();
    }
    painter.restore();
}

} // namespace tova
