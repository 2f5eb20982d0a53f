// Category, section and survey scores of one review, written into a scored copy of the
// questionnaire. Every call recomputes from the two copies; the indexes below live for one call.
#include "store/Scoring.h"

#include "store/ProjectDocument.h"
#include "store/SurveyIndex.h"
#include "store/TextValues.h"

#include <libxml/tree.h>

#include <cmath>

#include <unordered_map>
#include <vector>

namespace Globals {
namespace {

using tova::store::childrenNamed;
using tova::store::childText;

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
bool scoredWeights(const Xml::XmlNode& question, const QString& answer, double* a, double* w)
{
    if (answer == kNotApplicable)
        return false;
    const QList<Xml::XmlNode> option = childrenNamed(question, ("answer" + answer + "weight").toUtf8().constData());
    if (option.isEmpty())
        return false;
    bool answerOk = false;
    bool weightOk = false;
    *a = ParseNumber(option.first().text(), &answerOk);
    *w = ParseNumber(childText(question, "weight"), &weightOk);
    return answerOk && weightOk;
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
                            qint16 phaseId)
{
    FactsByCategory facts;
    for (const Xml::XmlNode& category : survey.categories()) {
        std::vector<QuestionFacts>& list = facts[category.raw()];
        for (const Xml::XmlNode& question : survey.questionsOfPhase(category, phaseId)) {
            QuestionFacts fact;
            fact.question = question;
            const Xml::XmlNode response = answers.find(childText(question, "question_id"));
            fact.answered = !response.isNull();
            if (fact.answered) {
                fact.answer = childText(response, "answer");
                fact.scored = scoredWeights(question, fact.answer, &fact.a, &fact.w);
            }
            list.push_back(std::move(fact));
        }
    }
    return facts;
}

const std::vector<QuestionFacts>& factsOf(const FactsByCategory& facts, const Xml::XmlNode& category)
{
    static const std::vector<QuestionFacts> none;
    const auto it = facts.find(category.raw());
    return it == facts.end() ? none : it->second;
}

void scoreCategories(ReviewScores& scores, const tova::store::SurveyIndex& survey, const FactsByCategory& facts) {
    for (const Xml::XmlNode& category : survey.categories()) {
        bool ok = false;
        const qint16 categoryId = tova::store::toInt16(childText(category, "category_id"), &ok);
        if (!ok)
            continue;
        const Xml::XmlNode target = survey.firstCategoryWithId(categoryId);
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
        bool ok = false;
        const qint16 sectionId = tova::store::toInt16(childText(section, "section_id"), &ok);
        if (!ok)
            continue;
        const Xml::XmlNode target = survey.firstSectionWithId(sectionId);
        Sums sums;
        for (const Xml::XmlNode& category : childrenNamed(target, "category")) {
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

bool hasQuestionOfPhase(const Xml::XmlNode& section, const FactsByCategory& facts)
{
    for (const Xml::XmlNode& category : childrenNamed(section, "category")) {
        if (!factsOf(facts, category).empty())
            return true;
    }
    return false;
}

// The section's first score element once the section scores are added: one the questionnaire
// already holds comes before those scoring adds.
bool firstSectionScore(const Xml::XmlNode& section, const FirstScores& firstScores, QString* text) {
    const QList<Xml::XmlNode> held = childrenNamed(section, "score");
    if (!held.isEmpty()) {
        *text = held.first().text();
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
        if (!firstSectionScore(section, firstScores, &scoreText) || !hasQuestionOfPhase(section, facts))
            continue;
        bool scoreOk = false;
        bool weightOk = false;
        const double s = ParseNumber(scoreText, &scoreOk);
        const double g = ParseNumber(childText(section, "section_weight"), &weightOk);
        // A section weight that is not a number drops the section out, as an unscored one does.
        if (!scoreOk || !weightOk)
            continue;
        sums.add(s, g);
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
    return ScoreReview(data, tova::store::SurveyIndex(data), review, phaseId);
}

ReviewScores ScoreReview(const Xml::XmlDocument& data, const tova::store::SurveyIndex& survey,
                         const Xml::XmlNode& review, qint16 phaseId) {
    ReviewScores scores;
    if (data.isNull())
        return scores;
    const tova::store::ResponseIndex answers(review);
    const FactsByCategory facts = gatherFacts(survey, answers, phaseId);
    FirstScores firstScores;
    scoreCategories(scores, survey, facts);
    scoreSections(scores, firstScores, survey, facts);
    scoreSurvey(scores, firstScores, survey, facts);
    return scores;
}

QString ScoreTextIn(const Xml::XmlNode& element, const ReviewScores& scores) {
    if (element.isNull())
        return QString();
    const QList<Xml::XmlNode> held = childrenNamed(element, "score");
    if (!held.isEmpty())
        return held.first().text();
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
