// Widgets shared by the choose review and delete review dialogs: the caption row with its
// picture and the two-column list of reviews.
#pragma once

#include "review/ReviewList.h"

#include <QString>

class QDialog;
class QLabel;
class QPushButton;
class QTreeWidget;
class QWidget;

namespace tova::review {

// The row key of a list item.
constexpr int kReviewKeyRole = Qt::UserRole;

// A list in report layout with the columns "Phase" and "Date".
QTreeWidget* makeReviewList(QWidget* parent);
// A caption label with the review picture beside it, added to the parent's layout by the caller.
QWidget* makeCaptionRow(QWidget* parent, QLabel** label);
// The body both review dialogs share: the caption row, the list of reviews and the two buttons
// below it on the right.
void buildReviewDialog(QDialog* dialog, QLabel** label, QTreeWidget** list, QPushButton** okButton,
                       const QString& okCaption, QPushButton** cancelButton);
// "Project: <name> - <text>"
QString projectCaption(const QString& text);
void addReviewRow(QTreeWidget* list, const QString& key, const QString& phase, const QString& date);
// The key of the selected row, or "" when no row is selected.
QString selectedKey(const QTreeWidget* list);

} // namespace tova::review
