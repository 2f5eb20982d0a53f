// Category, section and survey scores of one review, written into a scored copy of the
// questionnaire. Every call recomputes from the two copies; the indexes below live for one call.
#include "store/Scoring.h"

#include "store/ProjectDocument.h"
#include "store/SurveyIndex.h"
#include "store/TextValues.h"

#include <libxml/tree.h>

#include <cmath>

#include <optional>
#include <unordered_map>
#include <vector>

namespace Globals {
namespace {

using tova::store::childrenNamed;

// The stored answer text that counts as answered but never enters a score.
const QString kNotApplicable = QStringLiteral("5");

// The weighted sum S and the sum of weights W of a mean. Kept in double, which gives every score
// its usual digits, and again in long double, whose wider range still holds them when a huge
// weight overflows the double sums: a mean of finite numbers is itself finite.
struct Sums {
    double weighted = 0.0; // S
    double weights = 0.0;  // W
    long double wideWeighted = 0.0L;
    long double wideWeights = 0.0L;

    void add(double value, double weight, double weightFactor = 1.0) {
        weighted += value * weight;
        weights += weight * weightFactor;
        wideWeighted += static_cast<long double>(value) * weight;
        wideWeights += static_cast<long double>(weight) * weightFactor;
    }
    double mean() const {
        const double narrow = weighted / weights;
        if (std::isfinite(weighted) && std::isfinite(weights) && std::isfinite(narrow))
            return narrow;
        return static_cast<double>(wideWeighted / wideWeights);
    }
};

// The answer weight a and question weight w of an answered question; false when the answer does
// not score: "5", no weight for that option, or a weight that is not a number.
bool scoredWeights(const tova::store::SurveyIndex& survey, const Xml::XmlNode& question, const QString& answer,
                   double* a, double* w) {
    if (answer == kNotApplicable)
        return false;
    const std::optional<double> answerWeight = survey.answerWeight(question, answer);
    const std::optional<double>& weight = survey.question(question).weight;
    if (!answerWeight || !weight)
        return false;
    *a = *answerWeight;
    *w = *weight;
    return true;
}

// What one pass over the questionnaire learns about a question of the phase: its stored answer
// and, when the answer scores, the answer weight a and question weight w. Every stage reads these
// instead of walking the questions again.
struct QuestionFacts {
    Xml::XmlNode question;
    bool answered = false;
    QString answer;
    bool scored = false;
    double a = 0.0;
    double w = 0.0;
};

using FactsByCategory = std::unordered_map<const void*, std::vector<QuestionFacts>>;

FactsByCategory gatherFacts(const tova::store::SurveyIndex& survey, const tova::store::ResponseIndex& answers,
                            qint16 phaseId) {
    FactsByCategory facts;
    for (const Xml::XmlNode& category : survey.categories()) {
        std::vector<QuestionFacts>& list = facts[category.raw()];
        for (const Xml::XmlNode& question : survey.questionsOfPhase(category, phaseId)) {
            QuestionFacts fact;
            fact.question = question;
            const Xml::XmlNode response = answers.find(survey.question(question).firstId);
            fact.answered = !response.isNull();
            if (fact.answered) {
                fact.answer = response.childText(QStringLiteral("answer"));
                fact.scored = scoredWeights(survey, question, fact.answer, &fact.a, &fact.w);
            }
            list.push_back(std::move(fact));
        }
    }
    return facts;
}

const std::vector<QuestionFacts>& factsOf(const FactsByCategory& facts, const Xml::XmlNode& category) {
    static const std::vector<QuestionFacts> none;
    const auto it = facts.find(category.raw());
    return it == facts.end() ? none : it->second;
}

void scoreCategories(ReviewScores& scores, const tova::store::SurveyIndex& survey, const FactsByCategory& facts) {
    for (const Xml::XmlNode& category : survey.categories()) {
        const std::optional<qint16> categoryId = survey.categoryId(category);
        if (!categoryId)
            continue;
        const Xml::XmlNode target = survey.firstCategoryWithId(*categoryId);
        const std::vector<QuestionFacts>& questions = factsOf(facts, target);
        if (questions.empty())
            continue;
        Sums sums;
        for (const QuestionFacts& fact : questions) {
            if (!fact.answered)
                continue;
            scores.marks.push_back({fact.question, QStringLiteral("response"), fact.answer});
            if (fact.scored)
                sums.add(fact.a, fact.w);
        }
        if (sums.weights != 0.0)
            scores.marks.push_back({target, QStringLiteral("score"), FormatNumber(sums.mean())});
    }
}

// Section scores by section, for the survey stage: the first one given to each section.
using FirstScores = std::unordered_map<const void*, QString>;

void scoreSections(ReviewScores& scores, FirstScores& firstScores, const tova::store::SurveyIndex& survey,
                   const FactsByCategory& facts) {
    for (const Xml::XmlNode& section : survey.sections()) {
        const std::optional<qint16> sectionId = survey.sectionId(section);
        if (!sectionId)
            continue;
        const Xml::XmlNode target = survey.firstSectionWithId(*sectionId);
        Sums sums;
        for (const Xml::XmlNode& category : survey.categoriesOf(target)) {
            for (const QuestionFacts& fact : factsOf(facts, category)) {
                if (fact.scored)
                    sums.add(fact.a, fact.w, 100.0);
            }
        }
        if (sums.weights != 0.0) {
            const QString score = FormatNumber(sums.mean() * 100.0);
            scores.marks.push_back({target, QStringLiteral("score"), score});
            firstScores.emplace(target.raw(), score);
        }
    }
}

bool hasQuestionOfPhase(const tova::store::SurveyIndex& survey, const Xml::XmlNode& section,
                        const FactsByCategory& facts) {
    for (const Xml::XmlNode& category : survey.categoriesOf(section)) {
        if (!factsOf(facts, category).empty())
            return true;
    }
    return false;
}

// The section's first score element once the section scores are added: one the questionnaire
// already holds comes before those scoring adds.
bool firstSectionScore(const tova::store::SurveyIndex& survey, const Xml::XmlNode& section,
                       const FirstScores& firstScores, QString* text) {
    if (const std::optional<QString>& held = survey.heldScore(section)) {
        *text = *held;
        return true;
    }
    const auto it = firstScores.find(section.raw());
    if (it == firstScores.end())
        return false;
    *text = it->second;
    return true;
}

void scoreSurvey(ReviewScores& scores, const FirstScores& firstScores, const tova::store::SurveyIndex& survey,
                 const FactsByCategory& facts) {
    Sums sums;
    for (const Xml::XmlNode& section : survey.sections()) {
        QString scoreText;
        if (!firstSectionScore(survey, section, firstScores, &scoreText) || !hasQuestionOfPhase(survey, section, facts))
            continue;
        bool scoreOk = false;
        const double s = ParseNumber(scoreText, &scoreOk);
        const std::optional<double> g = survey.sectionWeight(section);
        // A section weight that is not a number drops the section out, as an unscored one does.
        if (!scoreOk || !g)
            continue;
        sums.add(s, *g);
    }
    const Xml::XmlNode& surveyElement = survey.surveyElement();
    if (surveyElement.isNull())
        return;
    scores.surveyScore = sums.weights != 0.0 ? FormatNumber(100.0 - sums.mean()) : QStringLiteral("100");
    scores.marks.push_back({surveyElement, QStringLiteral("score"), scores.surveyScore});
}

} // namespace

ReviewScores ScoreReview(const Xml::XmlDocument& data, const Xml::XmlNode& review, qint16 phaseId) {
    if (data.isNull())
        return ReviewScores();
    return ScoreReview(data, tova::store::SurveyIndex(data), tova::store::ResponseIndex(review), phaseId);
}

ReviewScores ScoreReview(const Xml::XmlDocument& data, const tova::store::SurveyIndex& survey,
                         const tova::store::ResponseIndex& answers, qint16 phaseId, ScoreDetail detail) {
    ReviewScores scores;
    if (data.isNull())
        return scores;
    const FactsByCategory facts = gatherFacts(survey, answers, phaseId);
    FirstScores firstScores;
    // Section scores are worked out from the answers themselves, not from the category scores.
    if (detail == ScoreDetail::Everything)
        scoreCategories(scores, survey, facts);
    scoreSections(scores, firstScores, survey, facts);
    scoreSurvey(scores, firstScores, survey, facts);
    return scores;
}

QString ScoreTextIn(const tova::store::SurveyIndex& survey, const Xml::XmlNode& element, const ReviewScores& scores) {
    if (element.isNull())
        return QString();
    if (const std::optional<QString>& held = survey.heldScore(element))
        return *held;
    for (const ScoreMark& mark : scores.marks) {
        if (mark.target.raw() == element.raw() && mark.name == QLatin1String("score"))
            return mark.text;
    }
    return QString();
}

Xml::XmlDocument CopyWithMarks(const Xml::XmlNode& element, const std::vector<ScoreMark>& marks) {
    Xml::XmlDocument copy = Xml::XmlDocument::copyOf(element);
    if (copy.isNull())
        return copy;
    // The copy has the element's shape: walking both side by side pairs each node with its copy.
    std::unordered_map<const void*, xmlNode*> copyOfNode;
    std::vector<std::pair<xmlNode*, xmlNode*>> pending{{element.raw(), copy.documentElement().raw()}};
    while (!pending.empty()) {
        const auto [from, to] = pending.back();
        pending.pop_back();
        copyOfNode.emplace(from, to);
        xmlNode* copied = to->children;
        for (xmlNode* child = from->children; child && copied; child = child->next, copied = copied->next) {
            if (child->type == XML_ELEMENT_NODE)
                pending.emplace_back(child, copied);
        }
    }
    for (const ScoreMark& mark : marks) {
        const auto it = copyOfNode.find(mark.target.raw());
        if (it != copyOfNode.end())
            XMLhelpers::AddElement(copy, mark.name, mark.text, Xml::XmlNode(copy.shared(), it->second));
    }
    return copy;
}

void ComputeScores(Xml::XmlDocument& scoredCopy, const Xml::XmlNode& review, qint16 phaseId) {
    for (const ScoreMark& mark : ScoreReview(scoredCopy, review, phaseId).marks)
        XMLhelpers::AddElement(scoredCopy, mark.name, mark.text, mark.target);
}

void ComputeScores(Xml::XmlDocument& scoredCopy, const Xml::XmlDocument& reviewCopy, qint16 phaseId) {
    ComputeScores(scoredCopy, reviewCopy.isNull() ? Xml::XmlNode() : reviewCopy.documentElement(), phaseId);
}

} // namespace Globals
