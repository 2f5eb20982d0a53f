// The rows of the choose review and delete review dialogs, the column sort state of their lists
// and the choices they make on the open project.
#pragma once

#include "review/ListSort.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace tova::review {

struct ReviewRow {
    QString key;   // "review" + the review's id attribute
    QString phase; // the phase's description
    QString date;  // the review's date text, unchanged
};

// One row per review of the open project, in document order.
QList<ReviewRow> reviewRows();

// The review id a row key names ("review12" -> 12); nothing for any other key.
std::optional<qint16> reviewIdFromKey(const QString& key);

// The close box of the choose review dialog: refused, with a message, while a choice is required.
bool loadReviewMayClose(bool required);

// What the delete review dialog asks of its surroundings while it deletes.
struct DeleteReviewSteps {
    std::function<void()> hide;
    std::function<void()> askLoadReviewRequired;
    std::function<void()> save;
};

// Deletes the review of a row after the user's confirmation and saves, then has a new current
// review chosen when the row named the current one, and saves again while a project is open.
void deleteReviewOfRow(const QString& rowKey, const DeleteReviewSteps& steps);

} // namespace tova::review
