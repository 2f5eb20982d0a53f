// Making the reference windows' pages: a style sheet of the content folder applied to one element
// of the questionnaire database, written into the window's folder, on the one page road with the
// messages these windows give.
#pragma once

#include "platform/PageRoad.h"

#include <QString>

namespace Xml {
class XmlNode;
}

namespace tova {
class WebBrowser;
}

namespace tova::reference {

// The files of one reference window, under the application folder.
struct ReferenceBook {
    QString folder;          // "definitions"
    QString frameset;        // shows the index in frame "side" and the entry in frame "main"
    QString indexStyleSheet; // turns the whole book into the index page (side.htm)
    QString entryStyleSheet; // turns one entry into the entry page (main.htm)
    QString bookPath;        // the book's element in the questionnaire database
};
const ReferenceBook& definitionsBook();
const ReferenceBook& acronymsBook();

// The index page; with navigate the frameset is shown after it. False, after telling the user,
// when no new page was made.
bool ShowIndexPage(const ReferenceBook& book, WebBrowser& browser, bool navigate);

// The entry page of entry; for a null entry the page emptyHtml. Without framesShown the whole
// frameset is shown, with it only frame "main". False, after telling the user, when no new page was
// made; nothing was then shown.
bool ShowEntryPage(const ReferenceBook& book, const Xml::XmlNode& entry, const QString& emptyHtml, WebBrowser& browser,
                   bool framesShown);

// Writes emptyHtml as the entry page without showing it. False after telling the user.
bool WriteEmptyEntryPage(const ReferenceBook& book, const QString& emptyHtml, WebBrowser& browser);

// The roads themselves.
PageRoad indexRoad(const ReferenceBook& book, bool navigate);
PageRoad entryRoad(const ReferenceBook& book, bool framesShown);

// A page with nothing on it, in the look of the reference pages, for an entry that does not exist.
QString emptyPage();

// A text file of the content folder; empty when it cannot be read.
QString readContentFile(const QString& relative);

} // namespace tova::reference
