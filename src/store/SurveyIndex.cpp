#include "store/SurveyIndex.h"

#include "store/TextValues.h"

#include <libxml/tree.h>

#include <algorithm>
#include <cmath>

namespace tova::store {
namespace {

// The numbers an element's id children stand for; an element may carry the id element more than
// once and then matches each of them.
template <typename Fn> void forEachIdValue(const Xml::XmlNode& element, const char* idName, Fn fn)
{
    for (const Xml::XmlNode& id : childrenNamed(element, idName)) {
        const double value = xpathNumber(id.text());
        if (!std::isnan(value))
            fn(value);
    }
}

bool isElementNamed(const xmlNode* node, const char* name) {
    return node->type == XML_ELEMENT_NODE && xmlStrEqual(node->name, reinterpret_cast<const xmlChar*>(name));
}

// Whether one of the question's phase_id children reads as the phase's number. The questions are
// walked in place: this runs for every question of the questionnaire on every screen.
bool isOfPhase(xmlNode* question, qint16 phaseId) {
    for (xmlNode* child = question->children; child; child = child->next) {
        if (!isElementNamed(child, "phase_id"))
            continue;
        xmlChar* content = xmlNodeGetContent(child);
        const double value = xpathNumber(QString::fromUtf8(reinterpret_cast<const char*>(content)));
        xmlFree(content);
        if (value == phaseId)
            return true;
    }
    return false;
}

bool isWholeInt16(double value) { return value >= -32768 && value <= 32767 && value == std::floor(value); }

} // namespace

QList<Xml::XmlNode> childrenNamed(const Xml::XmlNode& parent, const char* name)
{
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

QString childText(const Xml::XmlNode& parent, const char* name)
{
    if (parent.isNull())
        return QString();
    const auto* wanted = reinterpret_cast<const xmlChar*>(name);
    for (xmlNode* child = parent.raw()->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE && xmlStrEqual(child->name, wanted)) {
            xmlChar* content = xmlNodeGetContent(child);
            const QString text = QString::fromUtf8(reinterpret_cast<const char*>(content));
            xmlFree(content);
            return text;
        }
    }
    return QString();
}

QList<Xml::XmlNode> questionsOfPhase(const Xml::XmlNode& category, qint16 phaseId)
{
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

ResponseIndex::ResponseIndex(const Xml::XmlNode& review)
{
    if (review.isNull() || review.name() != QLatin1String("review"))
        return;
    for (const Xml::XmlNode& response : childrenNamed(review, "response")) {
        // +0.0 folds a negative zero into zero so both find the same entry.
        forEachIdValue(response, "question_id", [&](double value) { m_byQuestion.emplace(value + 0.0, response); });
    }
}

Xml::XmlNode ResponseIndex::find(const QString& questionIdText) const
{
    const double value = xpathNumber(questionIdText);
    if (std::isnan(value))
        return Xml::XmlNode();
    const auto it = m_byQuestion.find(value + 0.0);
    return it == m_byQuestion.end() ? Xml::XmlNode() : it->second;
}

SurveyIndex::SurveyIndex(const Xml::XmlDocument& data)
{
    if (data.isNull())
        return;
    m_survey = data.selectSingleNode(QStringLiteral("data/survey"));
    m_sections = data.selectNodes(QStringLiteral("data/survey/section"));
    for (const Xml::XmlNode& section : m_sections) {
        forEachIdValue(section, "section_id", [&](double value) {
            if (isWholeInt16(value))
                m_firstSectionById.emplace(int(value), section);
        });
        for (const Xml::XmlNode& category : childrenNamed(section, "category")) {
            m_categories.append(category);
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

const std::vector<Xml::XmlNode>& SurveyIndex::categoriesWithId(qint16 id) const
{
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

Xml::XmlNode SurveyIndex::firstCategoryWithId(qint16 id) const
{
    const std::vector<Xml::XmlNode>& found = categoriesWithId(id);
    return found.empty() ? Xml::XmlNode() : found.front();
}

Xml::XmlNode SurveyIndex::firstSectionWithId(qint16 id) const
{
    const auto it = m_firstSectionById.find(id);
    return it == m_firstSectionById.end() ? Xml::XmlNode() : it->second;
}

} // namespace tova::store
