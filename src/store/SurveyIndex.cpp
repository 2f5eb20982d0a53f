#include "store/SurveyIndex.h"

#include "platform/xml/XmlText.h"
#include "store/Scoring.h"
#include "store/TextValues.h"

#include <libxml/tree.h>

#include <algorithm>
#include <cmath>

namespace tova::store {
namespace {

// The numbers an element's id children stand for; an element may carry the id element more than
// once and then matches each of them.
template <typename Fn> void forEachIdValue(const Xml::XmlNode& element, const char* idName, Fn fn) {
    for (const Xml::XmlNode& id : childrenNamed(element, idName)) {
        const double value = xpathNumber(id.text());
        if (!std::isnan(value))
            fn(value);
    }
}

bool isElementNamed(const xmlNode* node, const char* name) {
    return node->type == XML_ELEMENT_NODE && xmlStrEqual(node->name, reinterpret_cast<const xmlChar*>(name));
}

// The XPath number() of an element's text, as decode reads the text.
template <typename Decode> double numberOfText(xmlNode* element, Decode decode) {
    xmlChar* content = xmlNodeGetContent(element);
    const double value = xpathNumber(decode(reinterpret_cast<const char*>(content)));
    xmlFree(content);
    return value;
}

// Whether one of the question's phase_id children reads as the phase's number. The questions are
// walked in place: this runs for every question of the questionnaire on every screen.
bool isOfPhase(xmlNode* question, qint16 phaseId) {
    for (xmlNode* child = question->children; child; child = child->next) {
        if (isElementNamed(child, "phase_id") &&
            numberOfText(child, [](const char* text) { return QString::fromUtf8(text); }) == phaseId)
            return true;
    }
    return false;
}

bool isWholeInt16(double value) {
    return value >= -32768 && value <= 32767 && value == std::floor(value);
}

std::optional<qint16> ownId(const Xml::XmlNode& element, const char* idName) {
    bool ok = false;
    const qint16 id = toInt16(element.childText(QLatin1String(idName)), &ok);
    return ok ? std::optional<qint16>(id) : std::nullopt;
}

std::optional<double> numberIn(const QString& text) {
    bool ok = false;
    const double value = Globals::ParseNumber(text, &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// Looks key up in a cache, filling it with make() the first time.
template <typename Map, typename Key, typename Make>
const typename Map::mapped_type& cached(Map& cache, const Key& key, Make make) {
    const auto known = cache.find(key);
    if (known != cache.end())
        return known->second;
    return cache.emplace(key, make()).first->second;
}

} // namespace

QList<Xml::XmlNode> childrenNamed(const Xml::XmlNode& parent, const char* name) {
    QList<Xml::XmlNode> result;
    if (parent.isNull())
        return result;
    const std::shared_ptr<_xmlDoc> owner = parent.ownerDocument().shared();
    const auto* wanted = reinterpret_cast<const xmlChar*>(name);
    for (xmlNode* child = parent.raw()->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE && xmlStrEqual(child->name, wanted))
            result.append(Xml::XmlNode(owner, child));
    }
    return result;
}

QList<Xml::XmlNode> questionsOfPhase(const Xml::XmlNode& category, qint16 phaseId) {
    QList<Xml::XmlNode> result;
    if (category.isNull())
        return result;
    const std::shared_ptr<_xmlDoc> owner = category.ownerDocument().shared();
    for (xmlNode* child = category.raw()->children; child; child = child->next) {
        if (isElementNamed(child, "question") && isOfPhase(child, phaseId))
            result.append(Xml::XmlNode(owner, child));
    }
    return result;
}

bool hasQuestionOfPhase(const Xml::XmlNode& category, qint16 phaseId) {
    if (category.isNull())
        return false;
    for (xmlNode* child = category.raw()->children; child; child = child->next) {
        if (isElementNamed(child, "question") && isOfPhase(child, phaseId))
            return true;
    }
    return false;
}

ResponseIndex::ResponseIndex(const Xml::XmlNode& review) {
    if (review.isNull() || review.name() != QLatin1String("review"))
        return;
    // Walked in place: a trend indexes every review of the project.
    const std::shared_ptr<_xmlDoc> owner = review.ownerDocument().shared();
    for (xmlNode* response = review.raw()->children; response; response = response->next) {
        if (!isElementNamed(response, "response"))
            continue;
        for (xmlNode* id = response->children; id; id = id->next) {
            if (!isElementNamed(id, "question_id"))
                continue;
            // Read as the element's text() reads it.
            const double value = numberOfText(id, [](const char* text) { return Xml::textFromUtf8(text); });
            // +0.0 folds a negative zero into zero so both find the same entry.
            if (!std::isnan(value))
                m_byQuestion.emplace(value + 0.0, Xml::XmlNode(owner, response));
        }
    }
}

Xml::XmlNode ResponseIndex::find(double value) const {
    if (std::isnan(value))
        return Xml::XmlNode();
    const auto it = m_byQuestion.find(value + 0.0);
    return it == m_byQuestion.end() ? Xml::XmlNode() : it->second;
}

SurveyIndex::SurveyIndex(const Xml::XmlDocument& data) {
    if (data.isNull())
        return;
    m_survey = data.selectSingleNode(QStringLiteral("data/survey"));
    m_sections = data.selectNodes(QStringLiteral("data/survey/section"));
    for (const Xml::XmlNode& section : m_sections) {
        m_ownIds.emplace(section.raw(), ownId(section, "section_id"));
        m_categoriesOfSection.emplace(section.raw(), childrenNamed(section, "category"));
        forEachIdValue(section, "section_id", [&](double value) {
            if (isWholeInt16(value))
                m_firstSectionById.emplace(int(value), section);
        });
        for (const Xml::XmlNode& category : m_categoriesOfSection.at(section.raw())) {
            m_categories.append(category);
            m_ownIds.emplace(category.raw(), ownId(category, "category_id"));
            std::vector<int> ids;
            forEachIdValue(category, "category_id", [&](double value) {
                if (isWholeInt16(value) && std::find(ids.begin(), ids.end(), int(value)) == ids.end())
                    ids.push_back(int(value));
            });
            for (int id : ids)
                m_categoriesById[id].push_back(category);
        }
    }
}

const std::vector<Xml::XmlNode>& SurveyIndex::categoriesWithId(qint16 id) const {
    static const std::vector<Xml::XmlNode> none;
    const auto it = m_categoriesById.find(id);
    return it == m_categoriesById.end() ? none : it->second;
}

const QList<Xml::XmlNode>& SurveyIndex::questionsOfPhase(const Xml::XmlNode& category, qint16 phaseId) const {
    const std::pair<const void*, qint16> key(category.raw(), phaseId);
    const auto known = m_questionsOfPhase.find(key);
    if (known != m_questionsOfPhase.end())
        return known->second;
    return m_questionsOfPhase.emplace(key, tova::store::questionsOfPhase(category, phaseId)).first->second;
}

Xml::XmlNode SurveyIndex::firstCategoryWithId(qint16 id) const {
    const std::vector<Xml::XmlNode>& found = categoriesWithId(id);
    return found.empty() ? Xml::XmlNode() : found.front();
}

Xml::XmlNode SurveyIndex::firstSectionWithId(qint16 id) const {
    const auto it = m_firstSectionById.find(id);
    return it == m_firstSectionById.end() ? Xml::XmlNode() : it->second;
}

const QuestionReading& SurveyIndex::question(const Xml::XmlNode& node) const {
    return cached(m_questions, static_cast<const void*>(node.raw()), [&node] {
        QuestionReading reading;
        reading.firstId = xpathNumber(node.childText(QStringLiteral("question_id")));
        for (const Xml::XmlNode& id : childrenNamed(node, "question_id"))
            reading.ids.push_back(xpathNumber(id.text()));
        reading.weight = numberIn(node.childText(QStringLiteral("weight")));
        return reading;
    });
}

std::optional<double> SurveyIndex::answerWeight(const Xml::XmlNode& question, const QString& answer) const {
    return cached(m_answerWeights, std::make_pair(static_cast<const void*>(question.raw()), answer),
                  [&]() -> std::optional<double> {
                      const QList<Xml::XmlNode> option =
                          childrenNamed(question, ("answer" + answer + "weight").toUtf8().constData());
                      return option.isEmpty() ? std::nullopt : numberIn(option.first().text());
                  });
}

std::optional<qint16> SurveyIndex::categoryId(const Xml::XmlNode& category) const {
    const auto it = m_ownIds.find(category.raw());
    return it != m_ownIds.end() ? it->second : ownId(category, "category_id");
}

std::optional<qint16> SurveyIndex::sectionId(const Xml::XmlNode& section) const {
    const auto it = m_ownIds.find(section.raw());
    return it != m_ownIds.end() ? it->second : ownId(section, "section_id");
}

const QList<Xml::XmlNode>& SurveyIndex::categoriesOf(const Xml::XmlNode& section) const {
    return cached(m_categoriesOfSection, static_cast<const void*>(section.raw()),
                  [&section] { return childrenNamed(section, "category"); });
}

const std::optional<QString>& SurveyIndex::heldScore(const Xml::XmlNode& element) const {
    return cached(m_heldScores, static_cast<const void*>(element.raw()), [&element]() -> std::optional<QString> {
        const QList<Xml::XmlNode> held = childrenNamed(element, "score");
        return held.isEmpty() ? std::nullopt : std::optional<QString>(held.first().text());
    });
}

std::optional<double> SurveyIndex::sectionWeight(const Xml::XmlNode& section) const {
    return cached(m_sectionWeights, static_cast<const void*>(section.raw()),
                  [&section] { return numberIn(section.childText(QStringLiteral("section_weight"))); });
}

} // namespace tova::store
