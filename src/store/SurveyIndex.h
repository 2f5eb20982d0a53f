// Read-only indexes built once per completion or scoring call, so that looking an answer up or
// finding a category by id costs the same whatever the size of the questionnaire and the review.
// Each index answers exactly what the corresponding path lookup would ("category[category_id = C]",
// "review/response[question_id = 101]"): numbers are compared as numbers, the first match wins.
#pragma once

#include "platform/xml/XmlDocument.h"

#include <QList>
#include <QString>

#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tova::store {

// The child elements of a node with a given name, in document order.
QList<Xml::XmlNode> childrenNamed(const Xml::XmlNode& parent, const char* name);
// The text of the first child element with that name; "" when there is none.
QString childText(const Xml::XmlNode& parent, const char* name);

// The questions below a category ("question[phase_id = P]"): those with a phase_id equal to P.
QList<Xml::XmlNode> questionsOfPhase(const Xml::XmlNode& category, qint16 phaseId);
// Whether the category has such a question.
bool hasQuestionOfPhase(const Xml::XmlNode& category, qint16 phaseId);

// The responses of a review by the number of their question id.
class ResponseIndex {
public:
    // review: the root of a review copy, or a review element itself.
    explicit ResponseIndex(const Xml::XmlNode& review);
    // The first response whose question_id equals the id text read as a number; null when none.
    Xml::XmlNode find(const QString& questionIdText) const;

private:
    std::unordered_map<double, Xml::XmlNode> m_byQuestion;
};

// The sections and categories of a questionnaire ("data/survey/section", ".../category").
class SurveyIndex {
public:
    explicit SurveyIndex(const Xml::XmlDocument& data);

    // The first survey element ("data/survey"); null when none.
    const Xml::XmlNode& surveyElement() const { return m_survey; }
    const QList<Xml::XmlNode>& sections() const { return m_sections; }
    const QList<Xml::XmlNode>& categories() const { return m_categories; }
    // questionsOfPhase for a category of this questionnaire, worked out once per category and phase:
    // one index serves every review of a trend.
    const QList<Xml::XmlNode>& questionsOfPhase(const Xml::XmlNode& category, qint16 phaseId) const;
    // Every category with that id, in document order.
    const std::vector<Xml::XmlNode>& categoriesWithId(qint16 id) const;
    // The first section or category with that id; null when none.
    Xml::XmlNode firstCategoryWithId(qint16 id) const;
    Xml::XmlNode firstSectionWithId(qint16 id) const;

private:
    Xml::XmlNode m_survey;
    QList<Xml::XmlNode> m_sections;
    QList<Xml::XmlNode> m_categories;
    std::unordered_map<int, std::vector<Xml::XmlNode>> m_categoriesById;
    std::unordered_map<int, Xml::XmlNode> m_firstSectionById;
    mutable std::map<std::pair<const void*, qint16>, QList<Xml::XmlNode>> m_questionsOfPhase;
};

} // namespace tova::store
