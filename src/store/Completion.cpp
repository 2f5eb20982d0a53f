// Whether a review answers every question of its phase, category by category.
#include "store/Scoring.h"

#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/SurveyIndex.h"
#include "store/TextValues.h"

namespace Globals {
namespace {

enum class Status { NoQuestions, Complete, Incomplete };

Status categoryStatus(const tova::store::SurveyIndex& survey, const Xml::XmlNode& category, qint16 phaseId,
                      const tova::store::ResponseIndex& answers) {
    // A category whose id cannot be read cannot be looked up: it has no questions to answer.
    const std::optional<qint16> categoryId = survey.categoryId(category);
    if (!categoryId)
        return Status::NoQuestions;
    bool anyQuestion = false;
    // Every category with this id counts, as a path selecting by id would find them all.
    for (const Xml::XmlNode& sameId : survey.categoriesWithId(*categoryId)) {
        for (const Xml::XmlNode& question : survey.questionsOfPhase(sameId, phaseId)) {
            for (double questionId : survey.question(question).ids) {
                anyQuestion = true;
                if (answers.find(questionId).isNull())
                    return Status::Incomplete;
            }
        }
    }
    return anyQuestion ? Status::Complete : Status::NoQuestions;
}

// Judges every category; marks each in the scored copy when one is given.
bool judgeCompletion(const tova::store::SurveyIndex& survey, qint16 phaseId, const tova::store::ResponseIndex& answers,
                     Xml::XmlDocument* scoredCopy) {
    bool complete = true;
    for (const Xml::XmlNode& category : survey.categories()) {
        const Status status = categoryStatus(survey, category, phaseId, answers);
        if (status == Status::Incomplete)
            complete = false;
        if (scoredCopy) {
            const QString text = status == Status::NoQuestions ? QStringLiteral("noquestions")
                                 : status == Status::Complete  ? QStringLiteral("complete")
                                                               : QStringLiteral("incomplete");
            XMLhelpers::AddElement(*scoredCopy, QStringLiteral("status"), text, category);
        }
    }
    return complete;
}

} // namespace

bool MarkCategoryStatus(Xml::XmlDocument& scoredCopy, qint16 phaseId, const Xml::XmlNode& review) {
    return judgeCompletion(tova::store::SurveyIndex(scoredCopy), phaseId, tova::store::ResponseIndex(review),
                           &scoredCopy);
}

bool MarkCategoryStatus(Xml::XmlDocument& scoredCopy, qint16 phaseId, const Xml::XmlDocument& reviewCopy) {
    return MarkCategoryStatus(scoredCopy, phaseId, reviewCopy.isNull() ? Xml::XmlNode() : reviewCopy.documentElement());
}

qint16 CountCompleteReviews(const QList<Xml::XmlNode>& reviews) {
    // Marks on a fresh copy of the questionnaire would be thrown away unread; judging the database
    // itself without marking gives the same answer and leaves it untouched.
    const tova::store::SurveyIndex survey(gDataDoc);
    int count = 0;
    for (const Xml::XmlNode& review : reviews) {
        bool ok = false;
        const qint16 phaseId = tova::store::toInt16(review.childText(QStringLiteral("phase")), &ok);
        // A review whose phase cannot be read cannot be judged complete.
        if (ok && judgeCompletion(survey, phaseId, tova::store::ResponseIndex(review), nullptr))
            ++count;
    }
    return qint16(qMin(count, 32767));
}

bool IsReviewComplete(qint16 phaseId, const Xml::XmlNode& review) {
    return IsReviewComplete(tova::store::SurveyIndex(gDataDoc), phaseId, tova::store::ResponseIndex(review));
}

bool IsReviewComplete(const tova::store::SurveyIndex& survey, qint16 phaseId,
                      const tova::store::ResponseIndex& answers) {
    return !gDataDoc.documentElement().isNull() && judgeCompletion(survey, phaseId, answers, nullptr);
}

} // namespace Globals
