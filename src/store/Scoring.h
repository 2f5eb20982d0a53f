// Review completion and scoring on a scored copy of the questionnaire database.
#pragma once

#include "platform/xml/XmlDocument.h"

#include <QList>
#include <QString>

namespace Globals {

// Gives every category a status; true when no category of the phase has an unanswered question.
bool MarkCategoryStatus(Xml::XmlDocument& scoredCopy, qint16 phaseId, const Xml::XmlDocument& reviewCopy);
// Category, section and survey scoring, in that order.
void ComputeScores(Xml::XmlDocument& scoredCopy, const Xml::XmlDocument& reviewCopy, qint16 phaseId);
qint16 CountCompleteReviews(const QList<Xml::XmlNode>& reviews);
// Whether the review answers every question of the phase in the questionnaire database, judged
// without marking anything; false when there is no questionnaire.
bool IsReviewComplete(qint16 phaseId, const Xml::XmlNode& review);

// A number as the program writes it: at most 15 significant digits, "." as separator, no
// trailing zeros.
QString FormatNumber(double value);
// Reads a number written that way (or with the user's decimal separator); ok false when it is none.
double ParseNumber(const QString& text, bool* ok = nullptr);

} // namespace Globals
