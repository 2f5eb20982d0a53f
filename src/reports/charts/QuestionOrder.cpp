#include "reports/charts/QuestionOrder.h"

#include "platform/PageRoad.h"
#include "store/Reviews.h"

namespace Reports {

tova::PageRoad QuestionOrderRoad() {
    tova::PageRoad road;
    road.styleSheet = QStringLiteral("dashboard2/sortbyqweight.xsl");
    // The order is read, never written or shown.
    road.show = false;
    road.styleSheetMissing = {QStringLiteral("Error loading sort by weight xsl"), tova::MsgIcon::Critical};
    road.transformFailed = {QStringLiteral("The questions could not be put in order of weight."),
                            tova::MsgIcon::Critical};
    return road;
}

Xml::XmlDocument SortQuestionsByWeight(const Xml::XmlDocument& scoredCopy, qint16 sectionId) {
    const Xml::XmlNode section =
        scoredCopy.isNull()
            ? Xml::XmlNode()
            : scoredCopy.selectSingleNode(QStringLiteral("data/survey/section[section_id = %1]").arg(sectionId));
    // A section the copy lacks has no questions to order.
    if (section.isNull())
        return Xml::XmlDocument::create();
    const std::optional<QString> sorted =
        tova::TransformOnRoad(QuestionOrderRoad(), section, {{QStringLiteral("phase_id"), Globals::GetCurrentPhase()}});
    if (!sorted)
        return Xml::XmlDocument();
    Xml::XmlDocument document = Xml::XmlDocument::create();
    document.loadXML(*sorted);
    return document;
}

} // namespace Reports
