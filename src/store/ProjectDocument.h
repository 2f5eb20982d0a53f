// The open project document, its header fields and the process-wide project state.
#pragma once

#include "platform/xml/XmlDocument.h"

#include <QString>

namespace XMLhelpers {

// Creates an element with a text, appends it to parent (or, without a parent, makes it the
// document's root) and returns it.
Xml::XmlNode AddElement(Xml::XmlDocument& document, const QString& name, const QString& text,
                        const Xml::XmlNode& parent = Xml::XmlNode());

} // namespace XMLhelpers

namespace Globals {

extern Xml::XmlDocument gProjectDoc; // null while no project is open
extern Xml::XmlNode gCurrentReview;  // null while there is no current review
extern QString gProjectPath;         // "" for a project never saved
extern bool gProjectSaved;

void CreateProject(const QString& referenceNum, const QString& projectName, const QString& subProjectName,
                   const QString& location, const QString& owner, const QString& projectManager);
void SetProjectDetails(const QString& referenceNum, const QString& projectName, const QString& subProjectName,
                       const QString& location, const QString& owner, const QString& projectManager);

QString GetReferenceNum();
QString GetProjectName();
QString GetSubProjectName();
QString GetLocation();
QString GetOwner();
QString GetProjectManager();

QString GetProjectXML();
bool IsProjectLoaded();

// Back to the start-of-program state (no project, empty path, not saved).
void ResetProjectState();

} // namespace Globals
