#include "reports/DashboardElement.h"

#include "reports/ScreenSupport.h"
#include "store/ProjectDocument.h"
#include "store/Scoring.h"

namespace Reports {

namespace {

// Chart points below this height would not show.
constexpr double kLowestPlotted = 10.0;

Xml::XmlNode sectionOf(const Xml::XmlDocument& scoredCopy, qint16 sectionId) {
    return scoredCopy.selectSingleNode(QStringLiteral("data/survey/section[section_id =%1]").arg(sectionId));
}

} // namespace

const ReportRow& elementRow() {
    static const ReportRow row{QStringLiteral("Dashboard Element"),
                               QStringLiteral("element/element.xsl"),
                               QStringLiteral("element/main.htm"),
                               QStringLiteral("element/element.htm"),
                               tova::MsgIcon::None,
                               QStringLiteral("data")};
    return row;
}

std::optional<ElementChartData> ElementChartDataFor(const Xml::XmlDocument& scoredCopy, qint16 sectionId,
                                                    const Xml::XmlDocument& ordered) {
    const Xml::XmlNode section = sectionOf(scoredCopy, sectionId);
    const QList<Xml::XmlNode> questions =
        ordered.isNull() ? QList<Xml::XmlNode>() : ordered.selectNodes(QStringLiteral("section/question"));
    if (section.isNull() || section.selectSingleNode(QStringLiteral("score")).isNull() || questions.isEmpty())
        return std::nullopt;

    ElementChartData data;
    for (const Xml::XmlNode& question : questions) {
        const Xml::XmlNode score = question.selectSingleNode(QStringLiteral("score"));
        bool ok = false;
        double value = score.isNull() ? 0.0 : Globals::ParseNumber(score.text().trimmed(), &ok);
        if (!ok || value < kLowestPlotted)
            value = kLowestPlotted;
        const Xml::XmlNode keyword = question.selectSingleNode(QStringLiteral("question_keyword"));
        data.values.append(value);
        data.labels.append(keyword.isNull() ? QString() : keyword.text());
    }
    return data;
}

QList<ReportParameter> ElementParameters(const Xml::XmlDocument& scoredCopy, qint16 sectionId) {
    const Xml::XmlNode score = sectionOf(scoredCopy, sectionId).selectSingleNode(QStringLiteral("score"));
    return {{QStringLiteral("sec_id"), double(sectionId)},
            {QStringLiteral("score"), ScoreParameter(score.isNull() ? QString() : score.text(), true)}};
}

ElementLink ClassifyElementLink(const QString& url) {
    const qsizetype hash = url.lastIndexOf(QLatin1Char('#'));
    if (hash < 0)
        return ElementLink::Navigate;
    const QString code = url.mid(hash + 1, 3).toUpper();
    if (code == QLatin1String("BCK"))
        return ElementLink::Back;
    if (code == QLatin1String("PRT"))
        return ElementLink::Print;
    if (code == QLatin1String("CPY"))
        return ElementLink::Copy;
    if (code == QLatin1String("HLP"))
        return ElementLink::Help;
    return ElementLink::Other;
}

void GotoDashboardElement(qint16 sectionId, ElementWindowOps& window) {
    // The element screen is opened from the dashboards, which need a current review; without one
    // there is no section to show.
    if (!Globals::IsProjectLoaded() || Globals::gCurrentReview.isNull())
        return;
    const Xml::XmlDocument scored = ScoredCopy();
    if (!window.GenerateDashBoardElement(scored, sectionId))
        return;
    // The page lists the chart's questions in its order and marks those answered not applicable, so
    // it reads the answers from the scored copy rather than from a plain one.
    if (!TransformAndShow(elementRow(), scored, ElementParameters(scored, sectionId), window.browser()))
        return;
    window.showModal();
}

} // namespace Reports
