// XSL style sheets on libxslt: a compiled template that is reused, and a processor per run that
// takes named parameters and one input node.
#pragma once

#include "platform/xml/XmlDocument.h"

#include <QList>
#include <QString>

#include <memory>

struct _xsltStylesheet;

namespace Xml {

class XslProcessor;

class XslTemplate {
public:
    XslTemplate() = default;

    // Loads and compiles a style sheet file. False (with the reason in *error) when the file is
    // missing, is not well-formed XML or is not a valid style sheet.
    bool load(const QString& path, QString* error = nullptr);
    // Compiles a style sheet from a loaded document (which is copied, the caller keeps its own).
    bool setStylesheet(const XmlDocument& stylesheet, QString* error = nullptr);
    bool isNull() const { return !m_stylesheet; }

    XslProcessor createProcessor() const;

private:
    std::shared_ptr<_xsltStylesheet> m_stylesheet;
};

class XslProcessor {
public:
    XslProcessor() = default;

    // A string parameter: the style sheet sees exactly this text, whatever quotes it holds.
    void addParameter(const QString& name, const QString& value);
    // A number parameter.
    void addParameter(const QString& name, double value);
    // The node the transformation starts from. It runs on a new document whose root is a copy of
    // this node, so a style sheet sees the node as the document element and nothing above it.
    void setInput(const XmlNode& input);
    void setInput(const XmlDocument& input);

    // Runs the transformation; false with the reason in *error when it fails.
    bool transform(QString* error = nullptr);
    // The result as text, serialised as the style sheet's xsl:output asks.
    const QString& output() const { return m_output; }

private:
    friend class XslTemplate;
    std::shared_ptr<_xsltStylesheet> m_stylesheet;
    struct Parameter {
        QByteArray name;
        QByteArray value; // the text itself, or a number's expression
        bool isText;
    };
    QList<Parameter> m_parameters;
    XmlNode m_inputNode;
    XmlDocument m_inputDocument;
    QString m_output;
};

} // namespace Xml
