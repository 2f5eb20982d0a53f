#include "reports/ReportPipeline.h"

#include "platform/AppFolder.h"
#include "platform/xml/XslTemplate.h"
#include "platform/PageServices.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"
#include "store/Scoring.h"

#include <QDir>
#include <QFileInfo>

#include <cfenv>
#include <cmath>

namespace Reports {

Xml::XmlDocument CopyDatabase() {
    const Xml::XmlNode root = Globals::gDataDoc.documentElement();
    return root.isNull() ? Xml::XmlDocument::create() : Xml::XmlDocument::copyOf(root);
}

QList<ReportParameter> HeaderParameters() {
    QList<ReportParameter> parameters;
    parameters.append({QStringLiteral("phase_id"), Globals::GetCurrentPhase()});
    parameters.append({QStringLiteral("projname"), Globals::GetProjectName()});
    parameters.append({QStringLiteral("subprojname"), Globals::GetSubProjectName()});
    parameters.append({QStringLiteral("refnum"), Globals::GetReferenceNum()});
    parameters.append({QStringLiteral("loc"), Globals::GetLocation()});
    parameters.append({QStringLiteral("pm"), Globals::GetProjectManager()});
    parameters.append({QStringLiteral("owner"), Globals::GetOwner()});
    parameters.append({QStringLiteral("reviewdate"), Globals::GetCurrentReviewDate()});
    parameters.append({QStringLiteral("phase"), Globals::GetPhaseDesc()});
    return parameters;
}

double RoundHalfEven(double value) {
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previous);
    return rounded;
}

double ScoreParameter(const QString& scoreText, bool fromHundred, bool* ok) {
    bool parsed = false;
    double score = Globals::ParseNumber(scoreText.trimmed(), &parsed);
    if (ok)
        *ok = parsed;
    if (!parsed)
        score = 0;
    return RoundHalfEven(fromHundred ? 100.0 - score : score);
}

bool TransformAndShow(const ReportRow& row, const Xml::XmlNode& input, const QList<ReportParameter>& ownParameters,
                      tova::WebBrowser& browser) {
    const QString styleSheetPath = tova::appPath(row.styleSheet);
    Xml::XmlDocument styleSheet;
    if (!styleSheet.load(styleSheetPath)) {
        tova::MsgBox(QStringLiteral("error loading ") + QFileInfo(row.styleSheet).fileName(), tova::MsgButtons::Ok,
                     row.loadFailureIcon);
        return false;
    }

    auto cannotBuild = [&row](const QString& reason) {
        QString text = QStringLiteral("The %1 screen could not be built.").arg(row.screenTitle);
        if (!reason.trimmed().isEmpty())
            text += QStringLiteral("\n\n") + reason.trimmed();
        tova::MsgBox(text, tova::MsgButtons::Ok, tova::MsgIcon::Critical);
        return false;
    };

    Xml::XslTemplate xslTemplate;
    QString error;
    if (!xslTemplate.setStylesheet(styleSheet, &error))
        return cannotBuild(error);
    Xml::XslProcessor processor = xslTemplate.createProcessor();
    QList<ReportParameter> parameters = HeaderParameters();
    parameters.append(ownParameters);
    for (const ReportParameter& parameter : parameters) {
        if (const QString* text = std::get_if<QString>(&parameter.value))
            processor.addParameter(parameter.name, *text);
        else
            processor.addParameter(parameter.name, std::get<double>(parameter.value));
    }
    if (input.isNull())
        return cannotBuild(QStringLiteral("The questionnaire database holds no data for it."));
    processor.setInput(input);
    if (!processor.transform(&error))
        return cannotBuild(error);

    const QString pageFile = tova::appPath(row.pageFile);
    if (!Globals::WriteHTMLAndShow(processor.output(), browser, pageFile, tova::appPath(row.screenPage), true)) {
        tova::MsgBox(QStringLiteral("The %1 screen could not be shown: its page %2 could not be written.")
                         .arg(row.screenTitle, QDir::toNativeSeparators(pageFile)),
                     tova::MsgButtons::Ok, tova::MsgIcon::Critical);
        return false;
    }
    return true;
}

bool TransformAndShow(const ReportRow& row, const Xml::XmlDocument& copy, const QList<ReportParameter>& ownParameters,
                      tova::WebBrowser& browser) {
    return TransformAndShow(row, copy.selectSingleNode(row.inputPath), ownParameters, browser);
}

} // namespace Reports
