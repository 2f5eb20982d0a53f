// The dashboard element screen: one section of the current review on its own, as a chart of its
// questions in weight order and a page, shown in a window of its own outside the sequence.
#pragma once

#include "platform/xml/XmlDocument.h"
#include "reports/ReportPipeline.h"

#include <QStringList>
#include <QVector>

#include <optional>

namespace tova {
class WebBrowser;
}

namespace Reports {

const ReportRow& elementRow();

struct ElementChartData {
    QVector<double> values;
    QStringList labels;
};

// The chart of a section: one point per question of the weight-ordered document ("section/question"),
// all of them, in that order, labelled with the question's keyword; the value is its score (0 without
// one), raised to 10 when below. Nothing when the scored copy gives the section no score or the
// ordering holds no question.
std::optional<ElementChartData> ElementChartDataFor(const Xml::XmlDocument& scoredCopy, qint16 sectionId,
                                                    const Xml::XmlDocument& ordered);

// "sec_id" and "score" of the element page: the section id, and 100 less the section's score taken to
// a whole number (the section on the scale of the survey score).
QList<ReportParameter> ElementParameters(const Xml::XmlDocument& scoredCopy, qint16 sectionId);

// What a link of the element page asks of its window.
enum class ElementLink {
    Navigate, // no "#": an ordinary link of the window's own browser
    Back,     // "BCK": close the window
    Print,    // "PRT": print the element page
    Copy,     // "CPY": copy the capture area to the clipboard
    Help,     // "HLP": the instructions for the element screen
    Other,    // any other code: for the main window's page command handler
};
// The code is the first three characters after the last "#", in any letter case.
ElementLink ClassifyElementLink(const QString& url);

// What the element screen builder needs of the dashboard element window.
class ElementWindowOps {
public:
    virtual ~ElementWindowOps() = default;
    // Draws and saves the section's chart; false (the user has been told) when there is nothing to draw.
    virtual bool GenerateDashBoardElement(const Xml::XmlDocument& scoredCopy, qint16 sectionId) = 0;
    virtual tova::WebBrowser& browser() = 0;
    // Shows the window modally and returns when it is closed.
    virtual void showModal() = 0;
};

// Scores the current review, has the window draw the section's chart, writes the element page from the
// scored copy into the window's browser and shows the window. Nothing is written or shown when there is no chart.
void GotoDashboardElement(qint16 sectionId, ElementWindowOps& window);

} // namespace Reports
