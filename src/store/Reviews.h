// Reviews of the open project and the answers stored in them.
#pragma once

#include "platform/xml/XmlDocument.h"

#include <QList>
#include <QString>

namespace tova {
class WebBrowser;
}

namespace Globals {

// Adds a review with the next id and makes it current. False (with a message, project unchanged)
// when no further review id fits.
bool CreateReview(const QString& reviewDate, qint16 phaseId);
QList<Xml::XmlNode> GetReviews();
void SetCurrentReview(qint16 reviewId);
// Leaves the project without a current review (its review was deleted). The file then names review
// 0, which no review has, so it opens on the page from which a review is chosen.
void ClearCurrentReview();
// A new document whose root is a copy of the current review.
Xml::XmlDocument GetCurrentReviewDoc();
QString GetCurrentPhase();
QString GetCurrentReviewDate();
qint16 GetCurrentReviewID();
QString GetPhaseDesc();

// Stores the answers carried by the address of a submitted question form into the current review.
// An address without "?" is read whole as the form's fields.
void SaveAnswers(const QString& url);
// A review named so that it is found again as long as it is a review of the open project, and never
// taken for another: neither a review made later with the same id nor one made where a deleted
// one lay in memory, nor the same review of a project closed and opened again. It holds no document.
struct ReviewRef {
    quint64 identity = 0;
};
ReviewRef RefToReview(const Xml::XmlNode& review);
// The review the reference names; null once it is no longer a review of the open project.
Xml::XmlNode ReviewOf(const ReviewRef& review);

// The same into the named review; false, with nothing stored, when it is no longer a review of the
// open project.
bool SaveAnswersTo(const ReviewRef& review, const QString& url);
// Ticks, in the question page the browser shows, every stored answer of the category and phase.
void LoadAnswers(qint16 categoryId, qint16 phaseId, tova::WebBrowser& browser);

} // namespace Globals
