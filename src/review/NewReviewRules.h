// The new review dialog's decisions: reading the submitted phase, the stored date text and the
// question asked when the dialog closes without a review.
#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace tova::review {

// The phase id of a submitted phase page: the query's piece at position 1 without its upper-case
// "V"s. Nothing when the address has no query, or that piece is missing or is not a whole number of
// 16 bits.
std::optional<qint16> parsePhaseSubmission(const QString& url);

// The date as a review stores it: "MMM dd, yyyy" with English month abbreviations ("May 06, 2003"),
// the same under every locale.
QString formatReviewDate(const QDate& date);

// A date typed in the date box in the form the box shows ("Aug 20, 2024"; the day may have one
// digit, the month any letter case); nothing when the text is no such date.
std::optional<QDate> parseTypedReviewDate(const QString& typed);

// Closing the dialog: allowed at once after a submission or when it was opened through AddReview;
// otherwise the stop question decides (ConfirmQuit).
bool newReviewMayClose(bool submitted, bool openedThroughAddReview);

// Asks "Stop creating new project?"; on Yes closes the open project (if any) and returns true,
// unless the save asked for before closing did not happen.
bool ConfirmQuit();

} // namespace tova::review
