#include "reports/ReportPipeline.h"

#include "platform/AppFolder.h"
#include "platform/PageServices.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"
#include "store/Scoring.h"

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

tova::PageRoad ReportRoad(const ReportRow& row) {
    tova::PageRoad road;
    road.styleSheet = row.styleSheet;
    road.pageFile = row.pageFile;
    road.shownPage = row.screenPage;
    road.styleSheetMissing = {QStringLiteral("error loading ") + QFileInfo(row.styleSheet).fileName(),
                              row.loadFailureIcon};
    road.transformFailed = {QStringLiteral("The %1 screen could not be built.").arg(row.screenTitle),
                            tova::MsgIcon::Critical};
    road.pageNotWritten = {QStringLiteral("The %1 screen could not be shown: its page %2 could not be written.")
                               .arg(row.screenTitle, QStringLiteral("%1")),
                           tova::MsgIcon::Critical};
    return road;
}

bool TransformAndShow(const ReportRow& row, const Xml::XmlNode& input, const QList<ReportParameter>& ownParameters,
                      tova::WebBrowser& browser) {
    QList<ReportParameter> parameters = HeaderParameters();
    parameters.append(ownParameters);
    return tova::BuildPage(ReportRoad(row), input, parameters, browser);
}

bool TransformAndShow(const ReportRow& row, const Xml::XmlDocument& copy, const QList<ReportParameter>& ownParameters,
                      tova::WebBrowser& browser) {
    return TransformAndShow(row, copy.selectSingleNode(row.inputPath), ownParameters, browser);
}

} // namespace Reports
