#include "reports/Scorecard.h"

#include "reports/ReportPipeline.h"
#include "reports/ScreenSupport.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/Scoring.h"
#include "store/SurveyIndex.h"

#include <QHash>

namespace Globals {

QString GetKeyAfterDot(const QString& text) {
    const QStringList fields = text.split(QLatin1Char('.'));
    return fields.size() > 1 ? fields[1] : QString();
}

} // namespace Globals

namespace Reports {

namespace {

const QString kNotApplicable = QStringLiteral("N/A");

// A number of the questionnaire as a percentage text ("66.7%"); empty when the text is no number.
QString percentText(const QString& numberText, double (*toPercent)(double)) {
    bool ok = false;
    const double value = Globals::ParseNumber(numberText.trimmed(), &ok);
    return ok ? Globals::FormatNumber(toPercent(value)) + QLatin1Char('%') : QString();
}

// The glossary terms by key; the first entry of a key wins.
QHash<QString, QString> glossaryTerms(const Xml::XmlDocument& source) {
    QHash<QString, QString> terms;
    for (const Xml::XmlNode& item : source.selectNodes(QStringLiteral("data/glossary/gloss_item"))) {
        const QString key = item.childText(QStringLiteral("gloss_key"));
        if (!terms.contains(key))
            terms.insert(key, item.childText(QStringLiteral("small_term")));
    }
    return terms;
}

QStringList scorecardItems(const Xml::XmlNode& question, const QHash<QString, QString>& terms) {
    const QString key = Globals::GetKeyAfterDot(question.childText(QStringLiteral("question_number")));
    const QString term = key.isEmpty() ? QString() : terms.value(key);
    const QString response = question.childText(QStringLiteral("response"));
    QString answer;
    QString remaining;
    if (response == QLatin1String("5")) {
        answer = kNotApplicable;
        remaining = kNotApplicable;
    } else if (!response.isEmpty()) {
        // Built from the stored answer: compared as a name, never put into an XPath expression.
        const QString option = QStringLiteral("answer") + response;
        answer = question.childText(option);
        remaining = percentText(question.childText(option + QStringLiteral("weight")),
                                [](double weight) { return 100.0 - weight; });
    }
    const QString weight =
        percentText(question.childText(QStringLiteral("weight")), [](double weight) { return weight * 100.0; });
    return {term, answer, remaining, weight};
}

void addScoreCardsTo(Xml::XmlDocument& scoredCopy, const QList<Xml::XmlNode>& categories, qint16 phaseId,
                     const Xml::XmlDocument& glossarySource) {
    const QHash<QString, QString> terms = glossaryTerms(glossarySource);
    for (const Xml::XmlNode& category : categories) {
        const Xml::XmlNode scorecard =
            XMLhelpers::AddElement(scoredCopy, QStringLiteral("scorecard"), QString(), category);
        for (const Xml::XmlNode& question : tova::store::questionsOfPhase(category, phaseId))
            for (const QString& item : scorecardItems(question, terms))
                XMLhelpers::AddElement(scoredCopy, QStringLiteral("item"), item, scorecard);
    }
}

Xml::XmlNode sectionOf(const Xml::XmlDocument& data, qint16 sectionId) {
    return data.selectSingleNode(QStringLiteral("data/survey/section[section_id = %1]").arg(sectionId));
}

} // namespace

const ReportRow& scorecardRow() {
    static const ReportRow row{QStringLiteral("Phase Review Scorecard"),
                               QStringLiteral("scorecard/scorecard.xsl"),
                               QStringLiteral("scorecard/main.htm"),
                               QStringLiteral("scorecard/scorecard.htm"),
                               tova::MsgIcon::Critical,
                               QStringLiteral("data")};
    return row;
}

void AddScoreCards(Xml::XmlDocument& scoredCopy, qint16 phaseId, const Xml::XmlDocument& glossarySource) {
    addScoreCardsTo(scoredCopy, tova::store::SurveyIndex(scoredCopy).categories(), phaseId, glossarySource);
}

void GoToScoreCard(qint16 sectionId, tova::WebBrowser& browser) {
    if (ShowReviewChoiceWhenNone(browser))
        return;
    // The page shows one section and the survey score: the scores are worked out on the database
    // itself, and only that section is copied, with its answers, scores and scorecards.
    const qint16 phaseId = CurrentPhaseId();
    const Globals::ReviewScores scores = Globals::ScoreReview(Globals::gDataDoc, Globals::gCurrentReview, phaseId);
    Xml::XmlDocument section = Globals::CopyWithMarks(sectionOf(Globals::gDataDoc, sectionId), scores.marks);
    const Xml::XmlNode input = section.isNull() ? Xml::XmlNode() : section.documentElement();
    addScoreCardsTo(section, input.selectNodes(QStringLiteral("category")), phaseId, Globals::gDataDoc);
    TransformAndShow(scorecardRow(), input, {{QStringLiteral("score"), SurveyScoreParameter(scores)}}, browser);
}

} // namespace Reports
