// What the dashboard and priority dashboard charts plot for one section of a scored copy: the
// points, their names, whether there is a score, and the chart's size.
#pragma once

#include "platform/xml/XmlDocument.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace Reports {

struct ScoreRow {
    QVector<double> values;
    QStringList labels;
    bool hasScore = false;
};

struct ChartSize {
    qint16 width = 0;
    qint16 height = 0;
};

// The priority charts plot the first this many ordered questions.
constexpr int kMaxPriorityPoints = 8;

// The size of a section's dashboard chart by its id; nothing for an id that gets no chart.
std::optional<ChartSize> SectionChartSize(qint16 sectionId);

// The section's id text read as a 16-bit whole number; nothing when it is not one.
std::optional<qint16> SectionId(const Xml::XmlNode& section);

// One point per category: its score (10 when lower or unscored) under its short description.
// hasScore when at least one category has a score.
ScoreRow CategoryRow(const Xml::XmlNode& section);

// The first questions of the ordered document, at most kMaxPriorityPoints: each question's score
// (10 when lower or missing) under its keyword. No question at all gives kMaxPriorityPoints points
// at 10 without labels. hasScore is left false; the caller decides it from the section.
ScoreRow PriorityRow(const Xml::XmlDocument& sorted);

// The image file of a section's chart in a screen folder ("dashboard1", "dashboard2").
QString SectionImagePath(const QString& screenFolder, const Xml::XmlNode& section);

} // namespace Reports
