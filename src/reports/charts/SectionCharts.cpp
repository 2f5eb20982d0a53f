#include "reports/charts/SectionCharts.h"

#include "platform/AppFolder.h"
#include "store/Scoring.h"

#include <QtGlobal>

namespace Reports {
namespace {

// Unscored points and very low scores still show as a small bar.
constexpr double kLowestPlotted = 10.0;

double plotted(const Xml::XmlNode& scored) {
    const Xml::XmlNode score = scored.selectSingleNode(QStringLiteral("score"));
    const double value = score.isNull() ? 0.0 : Globals::ParseNumber(score.text());
    return value < kLowestPlotted ? kLowestPlotted : value;
}

} // namespace

std::optional<ChartSize> SectionChartSize(qint16 sectionId) {
    switch (sectionId) {
    case 0:
    case 4:
        return ChartSize{370, 100};
    case 1:
    case 2:
    case 3:
        return ChartSize{375, 107};
    default:
        return std::nullopt;
    }
}

std::optional<qint16> SectionId(const Xml::XmlNode& section) {
    bool ok = false;
    const short id = section.childText(QStringLiteral("section_id")).trimmed().toShort(&ok);
    return ok ? std::optional<qint16>(qint16(id)) : std::nullopt;
}

ScoreRow CategoryRow(const Xml::XmlNode& section) {
    ScoreRow row;
    for (const Xml::XmlNode& category : section.selectNodes(QStringLiteral("category"))) {
        if (!category.selectSingleNode(QStringLiteral("score")).isNull())
            row.hasScore = true;
        row.values.append(plotted(category));
        row.labels.append(category.childText(QStringLiteral("small_cat_desc")));
    }
    return row;
}

ScoreRow PriorityRow(const Xml::XmlDocument& sorted) {
    const QList<Xml::XmlNode> questions =
        sorted.isNull() ? QList<Xml::XmlNode>() : sorted.selectNodes(QStringLiteral("section/question"));
    const int points =
        questions.isEmpty() ? kMaxPriorityPoints : int(qMin(questions.size(), qsizetype(kMaxPriorityPoints)));
    ScoreRow row;
    row.values.fill(kLowestPlotted, points);
    for (int i = 0; i < points; ++i)
        row.labels.append(QString());
    for (int i = 0; i < points && i < questions.size(); ++i) {
        row.values[i] = plotted(questions.at(i));
        row.labels[i] = questions.at(i).childText(QStringLiteral("question_keyword"));
    }
    return row;
}

QString SectionImagePath(const QString& screenFolder, const Xml::XmlNode& section) {
    return tova::appPath(screenFolder + QStringLiteral("/graph") + section.childText(QStringLiteral("section_id")) +
                         QStringLiteral(".png"));
}

} // namespace Reports
