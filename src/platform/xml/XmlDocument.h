// DOM documents and nodes on libxml2: loading (safely), XPath selection, text, serialisation.
// A node keeps its document alive, the way a shared document object did for the callers.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

struct _xmlDoc;
struct _xmlNode;

namespace Xml {

class XmlDocument;

class XmlNode {
public:
    XmlNode() = default;
    XmlNode(std::shared_ptr<_xmlDoc> owner, _xmlNode* node) : m_owner(std::move(owner)), m_node(node) {}

    bool isNull() const { return m_node == nullptr; }
    explicit operator bool() const { return !isNull(); }
    bool operator==(const XmlNode& other) const { return m_node == other.m_node; }
    bool operator!=(const XmlNode& other) const { return m_node != other.m_node; }

    QString name() const;
    // The concatenated text of the node and its descendants.
    QString text() const;
    // The text of the first child element called name; empty when there is none.
    QString childText(const QString& name) const;
    // Replaces the children of the node by one text node.
    void setText(const QString& text);
    // The node as XML text.
    QString xml() const;

    QString attribute(const QString& name) const;
    bool hasAttribute(const QString& name) const;
    void setAttribute(const QString& name, const QString& value);

    XmlNode selectSingleNode(const QString& xpath) const;
    QList<XmlNode> selectNodes(const QString& xpath) const;

    XmlNode parentNode() const;
    QList<XmlNode> childElements() const;
    XmlNode firstChildElement(const QString& name) const;
    // Appends an element of the same document as the last child of this node.
    void appendChild(const XmlNode& child);
    // Unlinks and frees a child of this node; the handle passed in must not be used afterwards.
    void removeChild(XmlNode& child);

    XmlDocument ownerDocument() const;
    _xmlNode* raw() const { return m_node; }

    // A mark that this very node keeps for as long as it lives and that no other node is ever given:
    // a node made later at the address of a freed one is told apart by it. Given on first asking;
    // 0 for a null node. The mark is never part of the document's text.
    quint64 identity() const;
    // Whether the node carries this mark (asks nothing of a node that has none).
    bool hasIdentity(quint64 identity) const;

private:
    std::shared_ptr<_xmlDoc> m_owner;
    _xmlNode* m_node = nullptr;
};

class XmlDocument {
public:
    // Documents from files larger than this are refused rather than parsed.
    static constexpr qint64 kDefaultMaxFileBytes = 64LL * 1024 * 1024;

    // A null document: no document at all (the "absent" state of a document variable).
    XmlDocument() = default;
    // A new, empty document (no root yet).
    static XmlDocument create();

    bool isNull() const { return !m_doc; }
    explicit operator bool() const { return !isNull(); }
    bool operator==(const XmlDocument& other) const { return m_doc == other.m_doc; }

    // Parses a file into this document, replacing what it held. Never reaches the network, loads no
    // DTD and expands no entity; a document that declares a DTD is refused. On failure the document
    // is left empty and the parser's message goes to *error. *pastLimits becomes true when the text
    // was refused for going past the program's bounds (its size, nesting or attributes per element)
    // rather than for being broken or hostile: that reason is worth telling the user.
    bool load(const QString& path, QString* error = nullptr, qint64 maxBytes = kDefaultMaxFileBytes,
              bool* pastLimits = nullptr);
    // Parses a file's bytes the same way (url only names the document in messages).
    bool loadBytes(const QByteArray& bytes, QString* error = nullptr, qint64 maxBytes = kDefaultMaxFileBytes,
                   const QByteArray& url = QByteArray(), bool* pastLimits = nullptr);
    bool loadXML(const QString& text, QString* error = nullptr);

    // The document as XML text: its root element, without an XML declaration.
    QString xml() const;
    // The document as UTF-8 bytes with an XML declaration, as written to a file.
    QByteArray toFileBytes() const;

    XmlNode documentElement() const;
    XmlNode selectSingleNode(const QString& xpath) const;
    QList<XmlNode> selectNodes(const QString& xpath) const;
    // A new element of this document, not yet attached anywhere.
    XmlNode createElement(const QString& name, const QString& text = QString());
    // Makes an element the document's root; false when the document already has one.
    bool setDocumentElement(const XmlNode& element);
    // A deep copy that shares nothing with this document.
    XmlDocument clone() const;
    // A new document whose root is a deep copy of the element (a null document for a null node).
    static XmlDocument copyOf(const XmlNode& element);

    _xmlDoc* raw() const { return m_doc.get(); }
    const std::shared_ptr<_xmlDoc>& shared() const { return m_doc; }
    static XmlDocument fromRaw(_xmlDoc* doc);

private:
    friend class XmlNode;
    explicit XmlDocument(std::shared_ptr<_xmlDoc> doc) : m_doc(std::move(doc)) {}
    std::shared_ptr<_xmlDoc> m_doc;
};

// Makes a deep copy of the element the root of the target document, which has none yet.
void copyElementInto(_xmlNode* element, _xmlDoc* target);

} // namespace Xml
