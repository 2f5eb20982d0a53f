// What the roads read from the loaded questionnaire and the current review to know what to click
// and what to expect: the questions of a category, the stored answer of a question, the term of
// a definition.
#pragma once

#include <QString>
#include <QStringList>

namespace tova::test {

// The ids of the questions of a category in a phase, in questionnaire order.
QStringList questionsOf(const QString& categoryId, const QString& phaseId);
// The answer the current review holds for the question (the option's number); empty when none.
QString storedAnswer(const QString& questionId);
// The term of the definition with this key; empty when there is none.
QString term(const QString& key);

} // namespace tova::test
