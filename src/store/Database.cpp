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

} // namespace Globals
