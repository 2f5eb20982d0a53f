#include "review/ReviewList.h"

#include "platform/dialogs/MessageBox.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/Reviews.h"

namespace tova::review {

namespace {

const QString kKeyPrefix = QStringLiteral("review");

QString phaseDescription(const QString& phaseId) {
    if (!Globals::gDataDoc.isNull()) {
        for (const Xml::XmlNode& phase : Globals::gDataDoc.selectNodes(QStringLiteral("data/phases/phase"))) {
            const Xml::XmlNode id = phase.selectSingleNode(QStringLiteral("phase_id"));
            if (id && id.text() == phaseId) {
                const Xml::XmlNode desc = phase.selectSingleNode(QStringLiteral("phase_desc"));
                return desc ? desc.text() : QString();
            }
        }
    }
    // A phase the questionnaire does not know: show its id rather than an empty row.
    return QStringLiteral("Phase %1").arg(phaseId);
}

} // namespace

QList<ReviewRow> reviewRows() {
    QList<ReviewRow> rows;
    if (!Globals::IsProjectLoaded())
        return rows;
    for (const Xml::XmlNode& review : Globals::GetReviews()) {
        rows.append({kKeyPrefix + review.attribute(QStringLiteral("id")),
                     phaseDescription(review.childText(QStringLiteral("phase"))),
                     review.childText(QStringLiteral("date"))});
    }
    return rows;
}

std::optional<qint16> reviewIdFromKey(const QString& key) {
    if (!key.startsWith(kKeyPrefix))
        return std::nullopt;
    bool ok = false;
    const short id = key.mid(kKeyPrefix.size()).toShort(&ok);
    return ok ? std::optional<qint16>(id) : std::nullopt;
}

bool loadReviewMayClose(bool required) {
    if (!required)
        return true;
    MsgBox(QStringLiteral("A review must be selected in order to continue."), MsgButtons::Ok, MsgIcon::Exclamation,
           QStringLiteral("Review selection required..."));
    return false;
}

void deleteReviewOfRow(const QString& rowKey, const DeleteReviewSteps& steps) {
    const bool hadCurrent = Globals::IsProjectLoaded() && !Globals::gCurrentReview.isNull();
    const qint16 currentId = hadCurrent ? Globals::GetCurrentReviewID() : qint16(0);

    const MsgAnswer answer = MsgBox(QStringLiteral("Are you sure you want to delete this review?"), MsgButtons::YesNo,
                                    MsgIcon::None, QStringLiteral("Delete Review?"));
    const QString idText = rowKey.mid(kKeyPrefix.size());
    if (answer == MsgAnswer::Yes && Globals::IsProjectLoaded()) {
        for (Xml::XmlNode review : Globals::GetReviews()) {
            if (review.attribute(QStringLiteral("id")) == idText) {
                // A deleted review is never shown, edited or saved as the current one.
                if (review == Globals::gCurrentReview)
                    Globals::ClearCurrentReview();
                Xml::XmlNode parent = review.parentNode();
                parent.removeChild(review);
                Globals::gProjectSaved = false;
                if (steps.save)
                    steps.save();
                break;
            }
        }
    }

    if (steps.hide)
        steps.hide();
    const std::optional<qint16> rowId = reviewIdFromKey(rowKey);
    if (hadCurrent && rowId && *rowId == currentId && steps.askLoadReviewRequired)
        steps.askLoadReviewRequired();
    if (Globals::IsProjectLoaded() && steps.save)
        steps.save();
}

} // namespace tova::review
