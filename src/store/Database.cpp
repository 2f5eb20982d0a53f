#include "store/Database.h"

#include "platform/AppFolder.h"
#include "platform/dialogs/MessageBox.h"

namespace Globals {

Xml::XmlDocument gDataDoc;

void LoadDatabase()
{
    gDataDoc = Xml::XmlDocument::create();
    // load() leaves the document empty when the file is missing, unreadable or not well-formed.
    if (!gDataDoc.load(tova::appPath(QStringLiteral("database/data.xml"))))
        tova::MsgBox(QStringLiteral("Error loading XML"));
}

bool PhaseWithoutQuestions(const QString& phaseText)
{
    if (gDataDoc.isNull() || gDataDoc.selectSingleNode(QStringLiteral("data/survey")).isNull())
        return false;
    bool ok = false;
    const qint16 phase = phaseText.trimmed().toShort(&ok);
    if (!ok)
        return true;
    // The number goes into the path, never the stored text.
    return gDataDoc
                .selectSingleNode(
                    QStringLiteral("data/survey/section/category/question[phase_id = %1]").arg(int(phase)))
                .isNull();
}

} // namespace Globals
