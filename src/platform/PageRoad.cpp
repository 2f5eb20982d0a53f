#include "platform/PageRoad.h"

#include "platform/AppFolder.h"
#include "platform/PageServices.h"
#include "platform/browser/WebBrowser.h"
#include "platform/xml/XmlDocument.h"
#include "platform/xml/XslTemplate.h"

#include <QDir>

namespace tova {

void TellRoadFailure(const RoadMessage& message, const QString& detail) {
    QString text = message.text;
    if (text.contains(QLatin1String("%1")))
        text = text.arg(detail.trimmed());
    else if (!detail.trimmed().isEmpty())
        text += QStringLiteral("\n\n") + detail.trimmed();
    MsgBox(text, MsgButtons::Ok, message.icon);
}

std::optional<QString> TransformOnRoad(const PageRoad& road, const Xml::XmlNode& input,
                                       const QList<PageParameter>& parameters) {
    // A style sheet that cannot be read is said with the window's own loading message; one that
    // reads but does not compile fails the way a transformation fails.
    Xml::XmlDocument styleSheet;
    if (!styleSheet.load(appPath(road.styleSheet))) {
        MsgBox(road.styleSheetMissing.text, MsgButtons::Ok, road.styleSheetMissing.icon);
        return std::nullopt;
    }
    Xml::XslTemplate xslTemplate;
    QString error;
    if (!xslTemplate.setStylesheet(styleSheet, &error)) {
        TellRoadFailure(road.transformFailed, error);
        return std::nullopt;
    }
    if (input.isNull()) {
        TellRoadFailure(road.transformFailed, QStringLiteral("The questionnaire database holds no data for it."));
        return std::nullopt;
    }
    Xml::XslProcessor processor = xslTemplate.createProcessor();
    for (const PageParameter& parameter : parameters) {
        if (const QString* text = std::get_if<QString>(&parameter.value))
            processor.addParameter(parameter.name, *text);
        else
            processor.addParameter(parameter.name, std::get<double>(parameter.value));
    }
    processor.setInput(input);
    if (!processor.transform(&error)) {
        TellRoadFailure(road.transformFailed, error);
        return std::nullopt;
    }
    return processor.output();
}

QString RoadPageFile(const PageRoad& road, const WebBrowser& browser) {
    return road.pageFile.isEmpty() ? appFolder() + QLatin1Char('/') + browser.Name() + QLatin1String(".html")
                                   : appPath(road.pageFile);
}

bool WritePageOnRoad(const PageRoad& road, const QString& html, WebBrowser& browser) {
    const QString pageFile = RoadPageFile(road, browser);
    // A page shown in a frame is sent there directly; a top page waits for the page before it.
    const bool topPage = road.show && road.frame.isEmpty();
    const QString shown = road.shownPage.isEmpty() ? QString() : appPath(road.shownPage);
    if (!Globals::WriteHTMLAndShow(html, browser, pageFile, shown, topPage)) {
        TellRoadFailure(road.pageNotWritten, QDir::toNativeSeparators(pageFile));
        return false;
    }
    if (road.show && !road.frame.isEmpty())
        browser.Navigate2(Globals::PathToURL(shown.isEmpty() ? pageFile : shown), road.frame);
    return true;
}

bool BuildPage(const PageRoad& road, const Xml::XmlNode& input, const QList<PageParameter>& parameters,
               WebBrowser& browser) {
    const std::optional<QString> html = TransformOnRoad(road, input, parameters);
    return html && WritePageOnRoad(road, *html, browser);
}

} // namespace tova
