// Read-only indexes built once per completion or scoring call, so that looking an answer up or
// finding a category by id costs the same whatever the size of the questionnaire and the review.
// Each index answers exactly what the corresponding path lookup would ("category[category_id = C]",
// "review/response[question_id = 101]"): numbers are compared as numbers, the first match wins.
#pragma once

#include "platform/xml/XmlDocument.h"

#include <QList>
#include <QString>

#include <map>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tova::store {

// The child elements of a node with a given name, in document order.
QList<Xml::XmlNode> childrenNamed(const Xml::XmlNode& parent, const char* name);

// The questions below a category ("question[phase_id = P]"): those with a phase_id equal to P.
QList<Xml::XmlNode> questionsOfPhase(const Xml::XmlNode& category, qint16 phaseId);
// Whether the category has such a question.
bool hasQuestionOfPhase(const Xml::XmlNode& category, qint16 phaseId);

// The responses of a review by the number of their question id.
class ResponseIndex {
public:
    // review: the root of a review copy, or a review element itself.
    explicit ResponseIndex(const Xml::XmlNode& review);
    // The first response whose question_id reads as that number; null when none (NaN finds nothing).
    Xml::XmlNode find(double questionId) const;

private:
    std::unordered_map<double, Xml::XmlNode> m_byQuestion;
};

// What a question says whatever the review, read as scoring and completion read it.
struct QuestionReading {
    double firstId = 0.0;         // its first question_id as a number, NaN when none: what its answer is found by
    std::vector<double> ids;      // every question_id as a number, NaN for one that is none
    std::optional<double> weight; // nothing when its weight is not a number
};

// The sections and categories of a questionnaire ("data/survey/section", ".../category"). What it
// reads of a question or section is read once: every review of a trend asks again.
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

    const QuestionReading& question(const Xml::XmlNode& node) const;
    // The weight of the question's option for that answer ("answer<A>weight"); nothing when it has
    // no such option or its text is not a number.
    std::optional<double> answerWeight(const Xml::XmlNode& question, const QString& answer) const;
    // A category's or section's own id ("category_id", "section_id") read as a 16-bit number.
    std::optional<qint16> categoryId(const Xml::XmlNode& category) const;
    std::optional<qint16> sectionId(const Xml::XmlNode& section) const;
    // The categories of a section, in document order.
    const QList<Xml::XmlNode>& categoriesOf(const Xml::XmlNode& section) const;
    // The text of the first score the questionnaire itself holds on an element; nothing when none.
    const std::optional<QString>& heldScore(const Xml::XmlNode& element) const;
    // A section's weight; nothing when it is not a number.
    std::optional<double> sectionWeight(const Xml::XmlNode& section) const;

private:
    Xml::XmlNode m_survey;
    QList<Xml::XmlNode> m_sections;
    QList<Xml::XmlNode> m_categories;
    std::unordered_map<int, std::vector<Xml::XmlNode>> m_categoriesById;
    std::unordered_map<int, Xml::XmlNode> m_firstSectionById;
    mutable std::map<std::pair<const void*, qint16>, QList<Xml::XmlNode>> m_questionsOfPhase;
    std::unordered_map<const void*, std::optional<qint16>> m_ownIds;
    mutable std::unordered_map<const void*, QList<Xml::XmlNode>> m_categoriesOfSection;
    mutable std::unordered_map<const void*, std::optional<double>> m_sectionWeights;
    mutable std::unordered_map<const void*, QuestionReading> m_questions;
    mutable std::map<std::pair<const void*, QString>, std::optional<double>> m_answerWeights;
    mutable std::unordered_map<const void*, std::optional<QString>> m_heldScores;
};

} // namespace tova::store
