// Answers between the question page and the current review: the submitted form's address is stored
// as response elements, and stored answers are ticked again in a freshly shown page.
#include "store/Reviews.h"

#include "platform/FormQuery.h"
#include "platform/Wait.h"
#include "platform/browser/WebBrowser.h"
#include "platform/dialogs/MessageBox.h"
#include "store/Database.h"
#include "store/ProjectDocument.h"
#include "store/SurveyIndex.h"
#include "store/TextValues.h"

#include <QRegularExpression>
#include <QStringList>

namespace Globals {
namespace {

// The first response of the review whose question_id text equals the id text exactly.
Xml::XmlNode responseWithIdText(const Xml::XmlNode& review, const QString& idText) {
    for (const Xml::XmlNode& response : tova::store::childrenNamed(review, "response")) {
        for (const Xml::XmlNode& questionId : tova::store::childrenNamed(response, "question_id")) {
            if (questionId.text() == idText)
                return response;
        }
    }
    return Xml::XmlNode();
}

// What can go wrong while ticking answers, each reported with its own number.
enum class TickError { PageNotLoaded = 1, AnswerNotWholeNumber = 2, ButtonMissing = 3 };

// Reached after the questions have been selected.
constexpr int kProgressQuestionsSelected = 3;

void reportTickError(TickError error, const QString& description, int progress) {
    tova::MsgBox(tova::unexpectedErrorText(int(error), description, QStringLiteral("LoadAnswers"),
                                           QStringLiteral("Module"), QStringLiteral("Globals")) +
                 QStringLiteral(" (progress:%1)").arg(progress));
}

// Stores the answers into a review of the open project.
void storeAnswers(Xml::XmlNode review, const QString& url);

} // namespace

void SaveAnswers(const QString& url) {
    if (!gCurrentReview.isNull() && GetReviews().contains(gCurrentReview))
        storeAnswers(gCurrentReview, url);
    // The project counts as changed also when there is no current review to take the answers.
    gProjectSaved = false;
}

ReviewRef RefToReview(const Xml::XmlNode& review) {
    return {review.identity()};
}

Xml::XmlNode ReviewOf(const ReviewRef& review) {
    for (const Xml::XmlNode& candidate : GetReviews()) {
        if (candidate.hasIdentity(review.identity))
            return candidate;
    }
    return Xml::XmlNode();
}

bool SaveAnswersTo(const ReviewRef& review, const QString& url) {
    const Xml::XmlNode target = ReviewOf(review);
    if (target.isNull())
        return false;
    storeAnswers(target, url);
    return true;
}

namespace {

void storeAnswers(Xml::XmlNode review, const QString& url) {
    // A form's address carries its fields after "?"; text without one is taken whole as the fields.
    QStringList fields =
        url.contains(QLatin1Char('?')) ? tova::formQueryPieces(url).value_or(QStringList()) : tova::queryPieces(url);
    for (QString& field : fields) {
        field.remove(QLatin1Char('R'));
        field.remove(QLatin1Char('V'));
    }
    for (int i = 0; i + 1 < fields.size(); i += 2) {
        const QString& id = fields.at(i);
        const QString& answer = fields.at(i + 1);
        Xml::XmlNode previous = responseWithIdText(review, id);
        if (!previous.isNull())
            review.removeChild(previous);
        Xml::XmlNode response = XMLhelpers::AddElement(gProjectDoc, QStringLiteral("response"), QString(), review);
        XMLhelpers::AddElement(gProjectDoc, QStringLiteral("question_id"), id, response);
        XMLhelpers::AddElement(gProjectDoc, QStringLiteral("answer"), answer, response);
    }
    gProjectSaved = false;
}

} // namespace

void LoadAnswers(qint16 categoryId, qint16 phaseId, tova::WebBrowser& browser) {
    int progress = 0;
    const QString mainFrame = QStringLiteral("main");
    // Bounded waits: a page that never finishes must not freeze the questionnaire.
    if (!tova::waitWhile([&] { return browser.Busy(); }) ||
        !tova::waitWhile([&] { return !browser.IsFrameComplete(mainFrame); })) {
        reportTickError(TickError::PageNotLoaded, QStringLiteral("the question page did not finish loading"), progress);
        return;
    }
    if (gDataDoc.isNull() || gCurrentReview.isNull())
        return;

    const QList<Xml::XmlNode> questions =
        gDataDoc.selectNodes(QStringLiteral("data/survey/section/category[category_id = %1]/question[phase_id=\"%2\"]")
                                 .arg(categoryId)
                                 .arg(phaseId));
    progress = kProgressQuestionsSelected;

    static const QRegularExpression digitsOnly(QStringLiteral("^[0-9]+$"));
    for (const Xml::XmlNode& question : questions) {
        const QString id = question.childText(QStringLiteral("question_id"));
        const Xml::XmlNode response = responseWithIdText(gCurrentReview, id);
        if (response.isNull())
            continue;
        const QString answerText = response.childText(QStringLiteral("answer"));
        bool ok = false;
        const qint16 answer = tova::store::toInt16(answerText, &ok);
        if (!ok) {
            reportTickError(
                TickError::AnswerNotWholeNumber,
                QStringLiteral("the stored answer \"%1\" of question %2 is not a whole number").arg(answerText, id),
                progress);
            return;
        }
        // The id becomes part of a script line: only a plain number may go there.
        if (!digitsOnly.match(id).hasMatch())
            continue;
        const QString line = QStringLiteral("document.survey.R%1[%2].checked = true").arg(id).arg(int(answer) - 1);
        if (!browser.ExecScript(line, mainFrame)) {
            reportTickError(TickError::ButtonMissing,
                            QStringLiteral("answer %1 of question %2 has no button in the page").arg(answer).arg(id),
                            progress);
            return;
        }
    }
}

} // namespace Globals
