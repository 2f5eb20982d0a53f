#include "platform/xml/XmlDocument.h"

#include "platform/WholeFile.h"
#include "platform/xml/XmlEncoding.h"
#include "platform/xml/XmlErrors.h"
#include "platform/xml/XmlHandles.h"
#include "platform/xml/XmlShape.h"
#include "platform/xml/XmlText.h"

#include <QFile>

#include <libxml/dict.h>
#include <libxml/parser.h>
#include <libxml/xmlsave.h>

#include <atomic>
#include <unordered_set>

namespace Xml {
namespace {

// Elements of a document that are outside its tree: created and not attached yet, or removed. They
// stay allocated until the document goes, because a caller may still hold a handle to one (a
// removed review that was the current review, for instance), and go with it.
struct DocumentExtras {
    std::unordered_set<xmlNode*> detachedNodes;
};

DocumentExtras& extrasOf(xmlDoc* doc) {
    auto* extras = static_cast<DocumentExtras*>(doc->_private);
    if (!extras) {
        extras = new DocumentExtras;
        doc->_private = extras;
    }
    return *extras;
}

void keepDetached(xmlNode* node) {
    extrasOf(node->doc).detachedNodes.insert(node);
}

// The node is in the tree again; the tree frees it.
void forgetDetached(xmlNode* node) {
    auto* extras = static_cast<DocumentExtras*>(node->doc->_private);
    if (!extras)
        return;
    extras->detachedNodes.erase(node);
}

void freeDocument(xmlDoc* doc) {
    if (!doc)
        return;
    if (auto* extras = static_cast<DocumentExtras*>(doc->_private)) {
        // A detached element appended under another detached one goes with its parent.
        for (xmlNode* node : extras->detachedNodes) {
            if (!node->parent)
                xmlFreeNode(node);
        }
        delete extras;
        doc->_private = nullptr;
    }
    xmlFreeDoc(doc);
}

std::shared_ptr<xmlDoc> own(xmlDoc* doc) {
    return doc ? std::shared_ptr<xmlDoc>(doc, freeDocument) : std::shared_ptr<xmlDoc>();
}

const xmlChar* toXml(const QByteArray& utf8) {
    return reinterpret_cast<const xmlChar*>(utf8.constData());
}

QString fromXml(const xmlChar* text) {
    return textFromUtf8(reinterpret_cast<const char*>(text));
}

// The program's own bounds (file size, nesting, attributes per element) are met before the text
// reaches the parser, which is told not to add bounds of its own: without that it refuses a sound
// document past ten megabytes at a run of blanks ("Huge input lookup"), or at a text past ten
// megabytes. No text it is handed declares an entity, so lifting its bounds expands none.
constexpr int kParseOptions =
    XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_NOCDATA | XML_PARSE_NOWARNING | XML_PARSE_HUGE;

bool declaresDocumentType(const QByteArray& bytes) {
    return bytes.contains("<!DOCTYPE") || bytes.contains("<!ENTITY");
}

bool fail(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return false;
}

// Why the text's shape goes past the program's bounds; empty when it does not.
QString pastBounds(const QByteArray& text) {
    const XmlShape shape = shapeOf(text);
    if (shape.largestAttributeCount > kMaxAttributesPerElement)
        return QStringLiteral("an element has more than %1 attributes").arg(kMaxAttributesPerElement);
    if (shape.deepestNesting > kMaxElementDepth)
        return QStringLiteral("elements are nested more than %1 deep").arg(kMaxElementDepth);
    return QString();
}

// Parses text the program holds, or bytes from outside once decoded (fromFile): the guards look
// at the characters the parser will see, whatever the encoding of the file. *pastLimits tells a
// document refused for going past the program's bounds from one that is broken or hostile.
xmlDoc* parseSafely(const QByteArray& bytes, const char* url, bool fromFile, QString* error, bool* pastLimits) {
    if (pastLimits)
        *pastLimits = false;
    QByteArray decoded;
    if (fromFile && !decodeXml(bytes, &decoded, error))
        return nullptr;
    const QByteArray& text = fromFile ? decoded : bytes;
    if (declaresDocumentType(text)) {
        fail(error, QStringLiteral("document type declarations are not accepted"));
        return nullptr;
    }
    const QString bounds = pastBounds(text);
    if (!bounds.isEmpty()) {
        if (pastLimits)
            *pastLimits = true;
        fail(error, bounds);
        return nullptr;
    }
    ErrorCollector errors;
    // The text is UTF-8 now; a declaration naming another encoding no longer holds.
    xmlDoc* doc = xmlReadMemory(text.constData(), int(text.size()), url, "UTF-8", kParseOptions | XML_PARSE_IGNORE_ENC);
    if (doc && (doc->intSubset || doc->extSubset)) {
        xmlFreeDoc(doc);
        doc = nullptr;
    }
    if (!doc)
        fail(error, errors.messages().isEmpty() ? QStringLiteral("not well-formed XML") : errors.messages());
    return doc;
}

QString serialise(xmlNode* node) {
    XmlBufferPtr buffer(xmlBufferCreate());
    xmlSaveCtxt* save = xmlSaveToBuffer(buffer.get(), "UTF-8", XML_SAVE_NO_DECL);
    if (!save)
        return QString();
    xmlSaveTree(save, node);
    xmlSaveClose(save);
    return textFromUtf8(reinterpret_cast<const char*>(xmlBufferContent(buffer.get())), xmlBufferLength(buffer.get()));
}

QList<XmlNode> evaluate(const std::shared_ptr<xmlDoc>& owner, xmlNode* context, const QString& xpath, bool firstOnly) {
    QList<XmlNode> result;
    if (!owner)
        return result;
    ErrorCollector errors;
    XPathContextPtr xpathContext(xmlXPathNewContext(owner.get()));
    if (!xpathContext)
        return result;
    xpathContext->node = context ? context : reinterpret_cast<xmlNode*>(owner.get());
    const QByteArray expression = xpath.toUtf8();
    XPathObjectPtr object(xmlXPathEvalExpression(toXml(expression), xpathContext.get()));
    if (!object || object->type != XPATH_NODESET || !object->nodesetval)
        return result;
    const xmlNodeSet* nodes = object->nodesetval;
    for (int i = 0; i < nodes->nodeNr; ++i) {
        result.append(XmlNode(owner, nodes->nodeTab[i]));
        if (firstOnly)
            break;
    }
    return result;
}

} // namespace

// ---- XmlNode ----

QString XmlNode::name() const {
    return m_node ? fromXml(m_node->name) : QString();
}

QString XmlNode::text() const {
    if (!m_node)
        return QString();
    XmlCharPtr content(xmlNodeGetContent(m_node));
    return fromXml(content.get());
}

QString XmlNode::childText(const QString& name) const {
    return firstChildElement(name).text();
}

void XmlNode::setText(const QString& text) {
    if (!m_node)
        return;
    // Replace the children by one literal text node: the text is never read as markup or entities.
    while (m_node->children) {
        xmlNode* child = m_node->children;
        xmlUnlinkNode(child);
        xmlFreeNode(child);
    }
    if (!text.isEmpty()) {
        const QByteArray utf8 = xmlSafeText(text).toUtf8();
        xmlAddChild(m_node, xmlNewDocText(m_node->doc, toXml(utf8)));
    }
}

QString XmlNode::xml() const {
    return m_node ? serialise(m_node) : QString();
}

QString XmlNode::attribute(const QString& name) const {
    if (!m_node || m_node->type != XML_ELEMENT_NODE)
        return QString();
    XmlCharPtr value(xmlGetProp(m_node, toXml(name.toUtf8())));
    return fromXml(value.get());
}

bool XmlNode::hasAttribute(const QString& name) const {
    return m_node && m_node->type == XML_ELEMENT_NODE && xmlHasProp(m_node, toXml(name.toUtf8()));
}

void XmlNode::setAttribute(const QString& name, const QString& value) {
    if (m_node && m_node->type == XML_ELEMENT_NODE)
        xmlSetProp(m_node, toXml(name.toUtf8()), toXml(xmlSafeText(value).toUtf8()));
}

XmlNode XmlNode::selectSingleNode(const QString& xpath) const {
    if (!m_node)
        return XmlNode();
    const QList<XmlNode> nodes = evaluate(m_owner, m_node, xpath, true);
    return nodes.isEmpty() ? XmlNode() : nodes.first();
}

QList<XmlNode> XmlNode::selectNodes(const QString& xpath) const {
    return m_node ? evaluate(m_owner, m_node, xpath, false) : QList<XmlNode>();
}

XmlNode XmlNode::parentNode() const {
    if (!m_node || !m_node->parent || m_node->parent->type != XML_ELEMENT_NODE)
        return XmlNode();
    return XmlNode(m_owner, m_node->parent);
}

QList<XmlNode> XmlNode::childElements() const {
    QList<XmlNode> children;
    if (!m_node)
        return children;
    for (xmlNode* child = m_node->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE)
            children.append(XmlNode(m_owner, child));
    }
    return children;
}

XmlNode XmlNode::firstChildElement(const QString& name) const {
    if (!m_node)
        return XmlNode();
    const QByteArray wanted = name.toUtf8();
    for (xmlNode* child = m_node->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE && xmlStrEqual(child->name, toXml(wanted)))
            return XmlNode(m_owner, child);
    }
    return XmlNode();
}

void XmlNode::appendChild(const XmlNode& child) {
    if (!m_node || !child.m_node || child.m_node->doc != m_node->doc)
        return;
    if (!child.m_node->parent)
        forgetDetached(child.m_node);
    xmlUnlinkNode(child.m_node);
    xmlAddChild(m_node, child.m_node);
}

void XmlNode::removeChild(XmlNode& child) {
    if (!m_node || !child.m_node || child.m_node->parent != m_node)
        return;
    xmlUnlinkNode(child.m_node);
    keepDetached(child.m_node);
}

XmlDocument XmlNode::ownerDocument() const {
    return XmlDocument(m_owner);
}

quint64 XmlNode::identity() const {
    if (!m_node)
        return 0;
    // The node's application field is ours: libxml2 makes every new node with it empty and never
    // reads it, so a freed node's mark can never reappear on a node made in its place.
    if (!m_node->_private) {
        static std::atomic<quintptr> lastIdentity{0};
        m_node->_private = reinterpret_cast<void*>(++lastIdentity);
    }
    return reinterpret_cast<quintptr>(m_node->_private);
}

bool XmlNode::hasIdentity(quint64 identity) const {
    return m_node && identity != 0 && reinterpret_cast<quintptr>(m_node->_private) == identity;
}

// ---- XmlDocument ----

XmlDocument XmlDocument::create() {
    return XmlDocument(own(xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0"))));
}

XmlDocument XmlDocument::fromRaw(xmlDoc* doc) {
    return XmlDocument(own(doc));
}

bool XmlDocument::load(const QString& path, QString* error, qint64 maxBytes, bool* pastLimits) {
    m_doc = own(xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0")));
    QByteArray bytes;
    if (pastLimits)
        *pastLimits = false;
    if (!tova::readFileWhole(path, maxBytes, &bytes, error))
        return false;
    return loadBytes(bytes, error, maxBytes, QFile::encodeName(path), pastLimits);
}

bool XmlDocument::loadBytes(const QByteArray& bytes, QString* error, qint64 maxBytes, const QByteArray& url,
                            bool* pastLimits) {
    m_doc = own(xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0")));
    if (bytes.size() > maxBytes) {
        if (pastLimits)
            *pastLimits = true;
        return fail(error, QStringLiteral("file is larger than %1 bytes").arg(maxBytes));
    }
    xmlDoc* doc = parseSafely(bytes, url.isEmpty() ? nullptr : url.constData(), true, error, pastLimits);
    if (!doc)
        return false;
    m_doc = own(doc);
    return true;
}

bool XmlDocument::loadXML(const QString& text, QString* error) {
    m_doc = own(xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0")));
    xmlDoc* doc = parseSafely(text.toUtf8(), nullptr, false, error, nullptr);
    if (!doc)
        return false;
    m_doc = own(doc);
    return true;
}

QString XmlDocument::xml() const {
    const XmlNode root = documentElement();
    return root ? root.xml() : QString();
}

QByteArray XmlDocument::toFileBytes() const {
    if (!m_doc)
        return QByteArray();
    xmlChar* memory = nullptr;
    int size = 0;
    xmlDocDumpMemoryEnc(m_doc.get(), &memory, &size, "UTF-8");
    XmlCharPtr owned(memory);
    return QByteArray(reinterpret_cast<const char*>(memory), size);
}

XmlNode XmlDocument::documentElement() const {
    if (!m_doc)
        return XmlNode();
    xmlNode* root = xmlDocGetRootElement(m_doc.get());
    return root ? XmlNode(m_doc, root) : XmlNode();
}

XmlNode XmlDocument::selectSingleNode(const QString& xpath) const {
    const QList<XmlNode> nodes = evaluate(m_doc, nullptr, xpath, true);
    return nodes.isEmpty() ? XmlNode() : nodes.first();
}

QList<XmlNode> XmlDocument::selectNodes(const QString& xpath) const {
    return evaluate(m_doc, nullptr, xpath, false);
}

XmlNode XmlDocument::createElement(const QString& name, const QString& text) {
    if (!m_doc)
        return XmlNode();
    xmlNode* element = xmlNewDocNode(m_doc.get(), nullptr, toXml(name.toUtf8()), nullptr);
    if (!element)
        return XmlNode();
    keepDetached(element);
    XmlNode node(m_doc, element);
    node.setText(text);
    return node;
}

bool XmlDocument::setDocumentElement(const XmlNode& element) {
    if (!m_doc || !element.raw() || element.raw()->doc != m_doc.get() || xmlDocGetRootElement(m_doc.get()))
        return false;
    if (!element.raw()->parent)
        forgetDetached(element.raw());
    xmlUnlinkNode(element.raw());
    xmlDocSetRootElement(m_doc.get(), element.raw());
    return true;
}

XmlDocument XmlDocument::clone() const {
    return m_doc ? XmlDocument(own(xmlCopyDoc(m_doc.get(), 1))) : XmlDocument();
}

XmlDocument XmlDocument::copyOf(const XmlNode& element) {
    if (element.isNull())
        return XmlDocument();
    XmlDocument copy = create();
    copyElementInto(element.raw(), copy.raw());
    return copy;
}

void copyElementInto(_xmlNode* element, _xmlDoc* target) {
    // Sharing the source's name dictionary, the copy's names are looked up instead of allocated
    // one by one, and its nodes go faster too.
    if (element->doc && element->doc->dict && !target->dict) {
        target->dict = element->doc->dict;
        xmlDictReference(target->dict);
    }
    if (xmlNode* root = xmlDocCopyNode(element, target, 1))
        xmlDocSetRootElement(target, root);
}

} // namespace Xml
