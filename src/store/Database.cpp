#include "store/Database.h"

#include "platform/AppFolder.h"
#include "platform/dialogs/MessageBox.h"
#include "store/SurveyIndex.h"

namespace Globals {

Xml::XmlDocument gDataDoc;

void LoadDatabase() {
    gDataDoc = Xml::XmlDocument::create();
    // load() leaves the document empty when the file is missing, unreadable or not well-formed.
    if (!gDataDoc.load(tova::appPath(QStringLiteral("database/data.xml"))))
        tova::MsgBox(QStringLiteral("Error loading XML"));
}

bool PhaseWithoutQuestions(const QString& phaseText) {
    if (gDataDoc.isNull() || gDataDoc.selectSingleNode(QStringLiteral("data/survey")).isNull())
        return false;
    bool ok = false;
    const qint16 phase = phaseText.trimmed().toShort(&ok);
    if (!ok)
        return true;
    // Walked in place and left at the first question found: a path would visit every question.
    for (const Xml::XmlNode& section : gDataDoc.selectNodes(QStringLiteral("data/survey/section")))
        for (const Xml::XmlNode& category : tova::store::childrenNamed(section, "category"))
            if (tova::store::hasQuestionOfPhase(category, phase))
                return false;
    return true;
}

QString SectionDescription(qint16 sectionId) {
    if (gDataDoc.isNull())
        return QString();
    const Xml::XmlNode description =
        gDataDoc.selectSingleNode(QStringLiteral("data/survey/section[section_id = %1]/section_desc").arg(sectionId));
    return description.isNull() ? QString() : description.text().trimmed();
}

} // namespace Globals
