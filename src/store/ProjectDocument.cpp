#include "store/ProjectDocument.h"

#include "platform/MainWindowCallbacks.h"
#include "platform/Services.h"
#include "platform/dialogs/MessageBox.h"

namespace XMLhelpers {

Xml::XmlNode AddElement(Xml::XmlDocument& document, const QString& name, const QString& text,
                        const Xml::XmlNode& parent) {
    Xml::XmlNode element = document.createElement(name, text);
    if (parent.isNull())
        document.setDocumentElement(element);
    else
        Xml::XmlNode(parent).appendChild(element);
    return element;
}

} // namespace XMLhelpers

namespace Globals {

Xml::XmlDocument gProjectDoc;
Xml::XmlNode gCurrentReview;
QString gProjectPath;
bool gProjectSaved = false;

namespace {

// The header elements in the order a new project lists them.
const char* const kHeaderFields[] = {"reference_num", "projectname", "subprojectname",
                                     "location",      "owner",       "projectmanager"};

void refreshTitle() {
    if (tova::MainWindowCallbacks* window = tova::services().mainWindow)
        window->UpdateTitleBar();
}

QString headerField(const char* field) {
    if (gProjectDoc.isNull())
        return QString();
    // A field missing from a file edited by hand reads as empty text. The fields are the project
    // element's own children: a search of the whole document would visit every review on every
    // screen and title refresh.
    const Xml::XmlNode root = gProjectDoc.documentElement();
    if (root.isNull() || root.name() != QLatin1String("project"))
        return QString();
    return root.firstChildElement(QLatin1String(field)).text();
}

} // namespace

void CreateProject(const QString& referenceNum, const QString& projectName, const QString& subProjectName,
                   const QString& location, const QString& owner, const QString& projectManager) {
    Xml::XmlDocument document = Xml::XmlDocument::create();
    Xml::XmlNode root = XMLhelpers::AddElement(document, QStringLiteral("project"), QString());
    root.setAttribute(QStringLiteral("ver"), QStringLiteral("2.0"));
    const QString values[] = {referenceNum, projectName, subProjectName, location, owner, projectManager};
    for (int i = 0; i < 6; ++i)
        XMLhelpers::AddElement(document, QLatin1String(kHeaderFields[i]), values[i], root);
    XMLhelpers::AddElement(document, QStringLiteral("currentreview"), QString(), root);

    gProjectDoc = document;
    gCurrentReview = Xml::XmlNode();
    gProjectPath.clear();
    refreshTitle();
    gProjectSaved = false;
}

void SetProjectDetails(const QString& referenceNum, const QString& projectName, const QString& subProjectName,
                       const QString& location, const QString& owner, const QString& projectManager) {
    if (gProjectDoc.isNull())
        return;
    Xml::XmlNode root = gProjectDoc.selectSingleNode(QStringLiteral("project"));
    if (root.isNull())
        return;
    const QString values[] = {referenceNum, projectName, subProjectName, location, owner, projectManager};
    for (int i = 0; i < 6; ++i) {
        Xml::XmlNode field = root.selectSingleNode(QLatin1String(kHeaderFields[i]));
        // A file edited by hand may lack a field; add it rather than lose what the user typed.
        if (field.isNull())
            field = XMLhelpers::AddElement(gProjectDoc, QLatin1String(kHeaderFields[i]), QString(), root);
        const QString before = field.text();
        field.setText(values[i]);
        // A changed text is an unsaved change, so the prompts on closing and exit offer to save it.
        if (field.text() != before)
            gProjectSaved = false;
    }
    refreshTitle();
}

QString GetReferenceNum() {
    return headerField("reference_num");
}

QString GetProjectName() {
    if (!IsProjectLoaded()) {
        tova::MsgBox(QStringLiteral("No project to save, no project is loaded."), tova::MsgButtons::Ok,
                     tova::MsgIcon::Exclamation, QStringLiteral("No Project Loaded...."));
        return QString();
    }
    return headerField("projectname");
}

QString GetSubProjectName() {
    return headerField("subprojectname");
}
QString GetLocation() {
    return headerField("location");
}
QString GetOwner() {
    return headerField("owner");
}
QString GetProjectManager() {
    return headerField("projectmanager");
}

QString GetProjectXML() {
    return gProjectDoc.isNull() ? QString() : gProjectDoc.xml();
}

bool IsProjectLoaded() {
    return !gProjectDoc.isNull();
}

void ResetProjectState() {
    gProjectDoc = Xml::XmlDocument();
    gCurrentReview = Xml::XmlNode();
    gProjectPath.clear();
    gProjectSaved = false;
}

} // namespace Globals
