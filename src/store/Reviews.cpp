#include "store/Reviews.h"

#include "platform/dialogs/MessageBox.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/TextValues.h"

namespace Globals {
namespace {

constexpr int kLargestReviewId = 32767;

} // namespace

bool CreateReview(const QString& reviewDate, qint16 phaseId) {
    Xml::XmlNode project =
        gProjectDoc.isNull() ? Xml::XmlNode() : gProjectDoc.selectSingleNode(QStringLiteral("project"));
    if (project.isNull())
        return false;
    const QList<Xml::XmlNode> reviews = GetReviews();
    int largest = 0;
    for (const Xml::XmlNode& review : reviews) {
        // An id that is not a 16-bit whole number cannot collide with a new one; it is passed over.
        bool ok = false;
        const qint16 id = tova::store::toInt16(review.attribute(QStringLiteral("id")), &ok);
        if (ok)
            largest = qMax(largest, int(id));
    }
    const int newId = reviews.isEmpty() ? 1 : qMax(largest, 1) + 1;
    if (newId > kLargestReviewId) {
        tova::MsgBox(QStringLiteral("This project cannot take another review: review numbers have reached their "
                                    "limit of %1. Start a new project for further reviews.")
                         .arg(kLargestReviewId),
                     tova::MsgButtons::Ok, tova::MsgIcon::Exclamation);
        return false;
    }
    const QString idText = QString::number(newId);
    Xml::XmlNode review = XMLhelpers::AddElement(gProjectDoc, QStringLiteral("review"), QString(), project);
    review.setAttribute(QStringLiteral("id"), idText);
    XMLhelpers::AddElement(gProjectDoc, QStringLiteral("phase"), QString::number(phaseId), review);
    XMLhelpers::AddElement(gProjectDoc, QStringLiteral("date"), reviewDate, review);
    Xml::XmlNode current = project.selectSingleNode(QStringLiteral("currentreview"));
    if (current.isNull())
        current = XMLhelpers::AddElement(gProjectDoc, QStringLiteral("currentreview"), QString(), project);
    current.setText(idText);
    gCurrentReview = review;
    gProjectSaved = false;
    return true;
}

QList<Xml::XmlNode> GetReviews() {
    return gProjectDoc.isNull() ? QList<Xml::XmlNode>() : gProjectDoc.selectNodes(QStringLiteral("project/review"));
}

void SetCurrentReview(qint16 reviewId) {
    if (gProjectDoc.isNull())
        return;
    gCurrentReview = gProjectDoc.selectSingleNode(QStringLiteral("project/review[@id = %1]").arg(reviewId));
    Xml::XmlNode current = gProjectDoc.selectSingleNode(QStringLiteral("project/currentreview"));
    const QString idText = QString::number(reviewId);
    if (!current.isNull() && current.text() != idText) {
        current.setText(idText);
        // The current review is stored in the file: choosing another is an unsaved change.
        gProjectSaved = false;
    }
}

void ClearCurrentReview() {
    gCurrentReview = Xml::XmlNode();
    Xml::XmlNode current =
        gProjectDoc.isNull() ? Xml::XmlNode() : gProjectDoc.selectSingleNode(QStringLiteral("project/currentreview"));
    if (!current.isNull() && current.text() != QLatin1String("0")) {
        current.setText(QStringLiteral("0"));
        gProjectSaved = false;
    }
}

Xml::XmlDocument GetCurrentReviewDoc() {
    if (gCurrentReview.isNull())
        return Xml::XmlDocument();
    return Xml::XmlDocument::copyOf(gCurrentReview);
}

// Read as the review's first child of that name rather than through a path: a path visits every
// child of the review, and these are read on every screen and title refresh.
QString GetCurrentPhase() {
    return gCurrentReview.firstChildElement(QStringLiteral("phase")).text();
}

QString GetCurrentReviewDate() {
    return gCurrentReview.firstChildElement(QStringLiteral("date")).text();
}

qint16 GetCurrentReviewID() {
    bool ok = false;
    const qint16 id = tova::store::toInt16(gCurrentReview.attribute(QStringLiteral("id")), &ok);
    return ok ? id : qint16(0);
}

QString GetPhaseDesc() {
    // The phase goes into the path as a number; a text that is none matches no phase.
    bool ok = false;
    const qint16 phase = tova::store::toInt16(GetCurrentPhase(), &ok);
    if (!ok || gDataDoc.isNull())
        return QString();
    return gDataDoc.selectSingleNode(QStringLiteral("data/phases/phase[phase_id = %1]/phase_desc").arg(phase)).text();
}

} // namespace Globals
