#include "QuestionnaireData.h"

#include "store/Database.h"
#include "store/ProjectDocument.h"

namespace tova::test {

QStringList questionsOf(const QString& categoryId, const QString& phaseId) {
    QStringList ids;
    for (const Xml::XmlNode& id : Globals::gDataDoc.selectNodes(
             QStringLiteral("data/survey/section/category[category_id = %1]/question[phase_id = \"%2\"]/question_id")
                 .arg(categoryId, phaseId)))
        ids << id.text().trimmed();
    return ids;
}

QString storedAnswer(const QString& questionId) {
    const Xml::XmlNode answer = Globals::gCurrentReview.selectSingleNode(
        QStringLiteral("response[question_id = \"%1\"]/answer").arg(questionId));
    return answer ? answer.text() : QString();
}

QString term(const QString& key) {
    return Globals::gDataDoc
        .selectSingleNode(QStringLiteral("data/glossary/gloss_item[gloss_key = \"%1\"]/small_term").arg(key))
        .text();
}

} // namespace tova::test
