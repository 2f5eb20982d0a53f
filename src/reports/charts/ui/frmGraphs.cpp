#include "reports/charts/ui/frmGraphs.h"

#include "reports/charts/ChartSaving.h"
#include "reports/charts/QuestionOrder.h"
#include "reports/charts/ScoreChart.h"
#include "reports/charts/SectionCharts.h"

namespace {

constexpr int kDesignWidth = 481;
constexpr int kDesignHeight = 278;
const QString kDashboardFolder = QStringLiteral("dashboard1");
const QString kPriorityFolder = QStringLiteral("dashboard2");

QString sectionDescription(const Xml::XmlNode& section) {
    const Xml::XmlNode description = section.selectSingleNode(QStringLiteral("section_desc"));
    return description.isNull() ? QString() : description.text();
}

// Sections whose id has no size in the table keep the chart as the section before left it.
void fillSection(tova::ChartControl& chart, const Xml::XmlNode& section, const Reports::ScoreRow& row) {
    const std::optional<qint16> id = Reports::SectionId(section);
    const std::optional<Reports::ChartSize> size = id ? Reports::SectionChartSize(*id) : std::nullopt;
    if (!size)
        return;
    if (row.hasScore)
        Globals::FillScoreChart(row.values, chart, true, row.labels, sectionDescription(section), size->width,
                                size->height);
    else
        Globals::FillNAChart(chart, size->width, size->height, sectionDescription(section));
}

QList<Xml::XmlNode> sectionsOf(const Xml::XmlDocument& scoredCopy) {
    return scoredCopy.isNull() ? QList<Xml::XmlNode>() : scoredCopy.selectNodes(QStringLiteral("data/survey/section"));
}

} // namespace

frmGraphs::frmGraphs() : Graph(kDesignWidth, kDesignHeight, Reports::ScoreChartDesign()) {}

void frmGraphs::saveGraph(const QString& path, bool flag) {
    if (!Graph.Save(path, flag))
        m_failedSaves.append(path);
}

void frmGraphs::reportFailedSaves() const {
    Reports::ReportUnsavedCharts(m_failedSaves);
}

void frmGraphs::GenerateSectionGraphs(const Xml::XmlDocument& scoredCopy) {
    frmGraphs window;
    for (const Xml::XmlNode& section : sectionsOf(scoredCopy)) {
        fillSection(window.Graph, section, Reports::CategoryRow(section));
        window.saveGraph(Reports::SectionImagePath(kDashboardFolder, section), false);
    }
    window.reportFailedSaves();
}

void frmGraphs::GeneratePriorityGraphs(const Xml::XmlDocument& scoredCopy) {
    frmGraphs window;
    for (const Xml::XmlNode& section : sectionsOf(scoredCopy)) {
        Reports::ScoreRow row;
        const std::optional<qint16> id = Reports::SectionId(section);
        // The priority chart needs the section's own score; category scores alone do not count.
        if (!section.selectSingleNode(QStringLiteral("score")).isNull() && id) {
            row = Reports::PriorityRow(Reports::SortQuestionsByWeight(scoredCopy, *id));
            row.hasScore = true;
        }
        fillSection(window.Graph, section, row);
        window.saveGraph(Reports::SectionImagePath(kPriorityFolder, section), true);
    }
    window.reportFailedSaves();
}
