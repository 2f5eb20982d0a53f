// The one road from a style sheet to a page on screen: load the style sheet, transform with named
// parameters, write the page as UTF-8, then show it. Every window and report builds its pages
// here; what differs between them (files, where the page is shown, what the user is told at each
// failure) is the data of a PageRoad. A failure on the way is always said, and leaves the page file
// and the browser as they were, so an old page is never taken for the new one.
#pragma once

#include "platform/dialogs/MessageBox.h"

#include <QList>
#include <QString>

#include <optional>
#include <variant>

namespace Xml {
class XmlNode;
}

namespace tova {

class WebBrowser;

// What the user is told at one failure. In the text "%1" stands for the failure's detail (the
// reason a transformation failed, the path of a page that could not be written); a text without
// "%1" gets a reason below it after a blank line.
struct RoadMessage {
    QString text;
    MsgIcon icon = MsgIcon::None;
};

struct PageParameter {
    QString name;
    // Text parameters reach the style sheet as strings, numbers as numbers.
    std::variant<QString, double> value;
};

struct PageRoad {
    // Paths under the application folder.
    QString styleSheet;
    // The page written; empty: the application folder's file named after the browser, ".html".
    QString pageFile;
    // Shown once the page is written; empty: the page file itself.
    QString shownPage;
    // The frame the shown page goes to; empty: the top window.
    QString frame;
    // False: the page is only written (a frame page the frameset shows later, a printout).
    bool show = true;

    // The style sheet is missing or is no well-formed XML.
    RoadMessage styleSheetMissing;
    // The style sheet does not compile, there is no input, or the transformation fails.
    RoadMessage transformFailed;
    // The page file could not be written; "%1" is its path.
    RoadMessage pageNotWritten;
};

// Loads the road's style sheet and transforms input with the parameters. Nothing, after telling
// the user, when the style sheet cannot be loaded or the transformation fails.
std::optional<QString> TransformOnRoad(const PageRoad& road, const Xml::XmlNode& input,
                                       const QList<PageParameter>& parameters);

// Writes html as the road's page and, when the road shows it, sends the browser there. False,
// after telling the user, when the page could not be written; the browser is then left alone.
bool WritePageOnRoad(const PageRoad& road, const QString& html, WebBrowser& browser);

// The whole road: TransformOnRoad, then WritePageOnRoad. True when the new page was written (and,
// when the road shows it, sent to the browser).
bool BuildPage(const PageRoad& road, const Xml::XmlNode& input, const QList<PageParameter>& parameters,
               WebBrowser& browser);

// Tells the user of one failure (the detail as RoadMessage says). For a failure a caller finds
// before the road, such as an element the questionnaire lacks.
void TellRoadFailure(const RoadMessage& message, const QString& detail);

// The full path of the road's page file for this browser.
QString RoadPageFile(const PageRoad& road, const WebBrowser& browser);

} // namespace tova
