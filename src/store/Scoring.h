// Review completion and scoring on a scored copy of the questionnaire database.
#pragma once

#include "platform/xml/XmlDocument.h"
#include "store/SurveyIndex.h"

#include <QList>
#include <QString>

#include <vector>

namespace Globals {

// Gives every category a status; true when no category of the phase has an unanswered question.
// The review is a review element (read in place) or a copy of one.
bool MarkCategoryStatus(Xml::XmlDocument& scoredCopy, qint16 phaseId, const Xml::XmlNode& review);
bool MarkCategoryStatus(Xml::XmlDocument& scoredCopy, qint16 phaseId, const Xml::XmlDocument& reviewCopy);
// Category, section and survey scoring, in that order.
void ComputeScores(Xml::XmlDocument& scoredCopy, const Xml::XmlNode& review, qint16 phaseId);
void ComputeScores(Xml::XmlDocument& scoredCopy, const Xml::XmlDocument& reviewCopy, qint16 phaseId);

// One element that scoring adds: name and text, appended to target.
struct ScoreMark {
    Xml::XmlNode target;
    QString name;
    QString text;
};
// What ComputeScores would add to a copy of data, in the order it adds it, worked out without
// changing data: the targets are data's own nodes. surveyScore is the text given to
// data/survey's new score element (empty when data has no survey element).
struct ReviewScores {
    std::vector<ScoreMark> marks;
    QString surveyScore;
};
ReviewScores ScoreReview(const Xml::XmlDocument& data, const Xml::XmlNode& review, qint16 phaseId);
// The same with the questionnaire's index made once for many reviews of one questionnaire, and the
// review's answers indexed once for its judging and its scoring; a reader of section and survey
// scores only can leave out the category scores and the copied answers.
enum class ScoreDetail { Everything, SectionsAndSurvey };
ReviewScores ScoreReview(const Xml::XmlDocument& data, const tova::store::SurveyIndex& survey,
                         const tova::store::ResponseIndex& answers, qint16 phaseId,
                         ScoreDetail detail = ScoreDetail::Everything);
// The text of the first score child of an element of the indexed questionnaire as it would stand in a
// scored copy: one the questionnaire already holds comes before those scoring adds. Null when none.
QString ScoreTextIn(const tova::store::SurveyIndex& survey, const Xml::XmlNode& element, const ReviewScores& scores);
// A copy of one element of the questionnaire with the marks that fall on it or inside it added,
// as they would stand in a scored copy of the whole questionnaire.
Xml::XmlDocument CopyWithMarks(const Xml::XmlNode& element, const std::vector<ScoreMark>& marks);
qint16 CountCompleteReviews(const QList<Xml::XmlNode>& reviews);
// Whether the review answers every question of the phase in the questionnaire database, judged
// without marking anything; false when there is no questionnaire.
bool IsReviewComplete(qint16 phaseId, const Xml::XmlNode& review);
// The same against the index of the questionnaire database, made once for many reviews, and the
// review's answers.
bool IsReviewComplete(const tova::store::SurveyIndex& survey, qint16 phaseId,
                      const tova::store::ResponseIndex& answers);

// A number as the program writes it: at most 15 significant digits, "." as separator, no
// trailing zeros.
QString FormatNumber(double value);
// Reads a number written that way (or with the user's decimal separator); ok false when it is none.
double ParseNumber(const QString& text, bool* ok = nullptr);

} // namespace Globals
