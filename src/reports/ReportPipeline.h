// The steps every report screen shares: copies of the questionnaire database, the header
// parameters, the score parameter, and the transformation of a copy into the screen's page file,
// which is then shown through the screen page.
#pragma once

#include "platform/PageRoad.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/xml/XmlDocument.h"

#include <QList>
#include <QString>

namespace tova {
class WebBrowser;
}

namespace Reports {

// How one builder differs from the others.
struct ReportRow {
    // Names the screen in failure messages (its Go To menu caption).
    QString screenTitle;
    // Paths under the application folder.
    QString styleSheet;
    QString pageFile;
    QString screenPage;
    // Icon of the "error loading <style sheet>" message.
    tova::MsgIcon loadFailureIcon = tova::MsgIcon::None;
    // The element of the builder's copy that the style sheet starts from ("data", "data/survey").
    QString inputPath = QStringLiteral("data");
};

using ReportParameter = tova::PageParameter;

// The page road of a report row: its messages are those every report screen gives.
tova::PageRoad ReportRoad(const ReportRow& row);

// A copy of the questionnaire database that can be changed freely; an empty document when there
// is no database.
Xml::XmlDocument CopyDatabase();

// The nine header parameters in their fixed order, each read when called.
QList<ReportParameter> HeaderParameters();

// The nearest whole number, a half going to the even neighbour (72.5 -> 72, 73.5 -> 74).
double RoundHalfEven(double value);
// The "score" parameter from a score text; with fromHundred it is 100 less the score. False in *ok
// when the text is no number.
double ScoreParameter(const QString& scoreText, bool fromHundred, bool* ok = nullptr);

// Takes the row's page road with the header parameters and then ownParameters: every failure shows
// one message and leaves the page file and the browser as they were. True when the page was shown.
bool TransformAndShow(const ReportRow& row, const Xml::XmlNode& input, const QList<ReportParameter>& ownParameters,
                      tova::WebBrowser& browser);
// The same, starting from the element of the copy that the row's inputPath selects.
bool TransformAndShow(const ReportRow& row, const Xml::XmlDocument& copy, const QList<ReportParameter>& ownParameters,
                      tova::WebBrowser& browser);

} // namespace Reports
