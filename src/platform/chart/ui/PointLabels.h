// The texts under a chart's points. Each text is meant to show whole: the layout tries, from the
// largest font down, the chart's own angle and then steeper ones, one line and then more (breaking
// after blanks and hyphens), and takes the first that lets every text fit in the room below the plot.
// Only when none does are texts shortened, and the shortened ones are reported.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QRectF>
#include <QStringList>
#include <QVector>

namespace tova {

// The room the chart leaves for its point labels, in picture pixels.
struct PointLabelRoom {
    QVector<double> anchors; // each point's x, in point order
    double top = 0.0;        // the bottom of the plot
    double mostHeight = 0.0; // the tallest band the labels may take
    double pictureWidth = 0.0;
    // Bars stand at even distances and their labels stay under them; the points of a line chart sit at
    // their own x, and labels too close together move apart, joined to their points by a leader.
    bool evenlySpaced = true;
    // How far moved labels may go either way.
    double lowest = 0.0;
    double highest = 0.0;
};

class PointLabels final {
public:
    // angle: the chart's own angle in degrees (counter-clockwise); 0 lets the labels lie flat when they
    // fit flat. families: the font to write in, the first one installed.
    PointLabels(QStringList texts, QStringList families, double angle, int largestPixels);

    // Chooses the layout for the room and places the labels in it.
    void fit(const PointLabelRoom& room);

    // What the chosen layout takes below the plot, and how far it reaches past the picture's left and
    // right edges (0 when it stays inside).
    double bandHeight() const { return m_band; }
    double leftOverflow() const { return m_leftOverflow; }
    double rightOverflow() const { return m_rightOverflow; }

    void draw(QPainter& painter) const;
    // The texts drawn shortened, in full.
    const QStringList& elided() const { return m_elided; }

private:
    struct Placed {
        QStringList lines;
        double width = 0.0;
        double x = 0.0; // where the label stands; the anchor when it did not move
        double anchor = 0.0;
        // False for a label left out because its neighbours took the room; its tick goes with it.
        bool shown = true;
    };

    QFont fontOf(int pixels) const;
    // The width of a text in the font of that size, measured once per font and text: every layout
    // tried at one size asks again for the same labels and lines.
    double advance(const QFontMetricsF& metrics, int pixels, const QString& text);
    // Lays the texts out at that angle, font and most lines; false when one does not fit whole, unless
    // shorten, which shortens it to one line instead.
    bool tryLayout(double angle, int pixels, int lines, bool shorten);
    void place();
    // Keeps, from the newest point leftwards, only labels at least gap apart: more labels than the
    // axis has room for would otherwise be pushed out past the picture's edge.
    void leaveOutCrowded(double gap);
    void shortenWhatOverflows();

    QStringList m_texts;
    QStringList m_families;
    QVector<double> m_angles;
    int m_largestPixels;
    PointLabelRoom m_room;
    QHash<int, QHash<QString, double>> m_advances;

    double m_angle = 0.0;
    QFont m_font;
    QVector<Placed> m_placed;
    QStringList m_elided;
    double m_band = 0.0;
    double m_leftOverflow = 0.0;
    double m_rightOverflow = 0.0;
};

} // namespace tova
