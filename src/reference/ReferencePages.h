// Making the reference windows' pages: a style sheet of the content folder applied to one element
// of the questionnaire database, written into the window's folder.
#pragma once

#include <QString>

namespace Xml {
class XmlNode;
class XslTemplate;
} // namespace Xml

namespace tova {
class WebBrowser;
}

namespace tova::reference {

// Loads a style sheet of the content folder. When it is missing or broken, shows "Error loading
// XSL" and gives false.
bool loadStylesheet(Xml::XslTemplate& stylesheet, const QString& relative);

// The page the style sheet makes of node; empty when node is absent or the transformation fails.
QString transformNode(const Xml::XslTemplate& stylesheet, const Xml::XmlNode& node);

// Writes a page (and with navigate shows navPath) like Globals::WriteHTMLAndShow, telling the user
// when the file cannot be written. False in that case.
bool writePage(const QString& html, WebBrowser& browser, const QString& filePath, const QString& navPath,
               bool navigate);

// A page with nothing on it, in the look of the reference pages, for an entry that does not exist.
QString emptyPage();

// A text file of the content folder; empty when it cannot be read.
QString readContentFile(const QString& relative);

} // namespace tova::reference
