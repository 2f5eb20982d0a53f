#include "reports/charts/QuestionOrder.h"

#include "platform/AppFolder.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/xml/XslTemplate.h"
#include "store/Reviews.h"

namespace Reports {

Xml::XmlDocument SortQuestionsByWeight(const Xml::XmlDocument& scoredCopy, qint16 sectionId) {
    Xml::XmlDocument styleSheet;
    if (!styleSheet.load(tova::appPath(QStringLiteral("dashboard2/sortbyqweight.xsl")))) {
        tova::MsgBox(QStringLiteral("Error loading sort by weight xsl"), tova::MsgButtons::Ok, tova::MsgIcon::Critical);
        return Xml::XmlDocument();
    }
    Xml::XslTemplate xslTemplate;
    if (!xslTemplate.setStylesheet(styleSheet)) {
        // A file that parses as XML but is no style sheet cannot order anything either.
        tova::MsgBox(QStringLiteral("Error loading sort by weight xsl"), tova::MsgButtons::Ok, tova::MsgIcon::Critical);
        return Xml::XmlDocument();
    }

    Xml::XmlDocument sorted = Xml::XmlDocument::create();
    if (scoredCopy.isNull())
        return sorted;
    const Xml::XmlNode section =
        scoredCopy.selectSingleNode(QStringLiteral("data/survey/section[section_id = %1]").arg(sectionId));
    if (section.isNull())
        return sorted;

    Xml::XslProcessor processor = xslTemplate.createProcessor();
    processor.addParameter(QStringLiteral("phase_id"), Globals::GetCurrentPhase());
    processor.setInput(section);
    if (processor.transform())
        sorted.loadXML(processor.output());
    return sorted;
}

} // namespace Reports
