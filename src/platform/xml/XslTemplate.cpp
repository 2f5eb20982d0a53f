#include "platform/xml/XslTemplate.h"

#include "platform/xml/XmlErrors.h"
#include "platform/xml/XmlHandles.h"

#include <libxml/tree.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/variables.h>
#include <libxslt/xslt.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <optional>

namespace Xml {
namespace {

struct StylesheetDeleter {
    // Frees the style sheet together with the document it was compiled from.
    void operator()(xsltStylesheet* sheet) const { xsltFreeStylesheet(sheet); }
};
struct TransformContextDeleter {
    void operator()(xsltTransformContext* context) const { xsltFreeTransformContext(context); }
};
struct SecurityPrefsDeleter {
    void operator()(xsltSecurityPrefs* prefs) const { xsltFreeSecurityPrefs(prefs); }
};
struct RawDocDeleter {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};

// Style sheets are content of our own, but they still get no way to write files or reach the net.
std::unique_ptr<xsltSecurityPrefs, SecurityPrefsDeleter> restrictivePrefs() {
    std::unique_ptr<xsltSecurityPrefs, SecurityPrefsDeleter> prefs(xsltNewSecurityPrefs());
    xsltSetSecurityPrefs(prefs.get(), XSLT_SECPREF_WRITE_FILE, xsltSecurityForbid);
    xsltSetSecurityPrefs(prefs.get(), XSLT_SECPREF_CREATE_DIRECTORY, xsltSecurityForbid);
    xsltSetSecurityPrefs(prefs.get(), XSLT_SECPREF_WRITE_NETWORK, xsltSecurityForbid);
    xsltSetSecurityPrefs(prefs.get(), XSLT_SECPREF_READ_NETWORK, xsltSecurityForbid);
    return prefs;
}

// Makes an element the root of its own document for the length of one transformation, and puts
// it back where it was afterwards: libxslt starts at a document's root, and copying a large
// element costs more than the transformation itself. The order numbers libxslt leaves in the
// element's subtree are cleared again, so that the document reads as it did before.
class BorrowedRoot {
public:
    explicit BorrowedRoot(xmlNode* element) : m_element(element), m_parent(element->parent), m_next(element->next) {
        m_formerRoot = xmlDocSetRootElement(element->doc, element);
    }
    ~BorrowedRoot() {
        clearOrder(m_element);
        xmlDocSetRootElement(m_element->doc, m_formerRoot);
        if (m_next)
            xmlAddPrevSibling(m_next, m_element);
        else
            xmlAddChild(m_parent, m_element);
    }
    BorrowedRoot(const BorrowedRoot&) = delete;
    BorrowedRoot& operator=(const BorrowedRoot&) = delete;

private:
    static void clearOrder(xmlNode* node) {
        for (xmlNode* child = node; child; child = child->next) {
            if (child->type != XML_ELEMENT_NODE)
                continue;
            child->content = nullptr;
            clearOrder(child->children);
        }
    }

    xmlNode* m_element;
    xmlNode* m_parent;
    xmlNode* m_next;
    xmlNode* m_formerRoot = nullptr;
};

} // namespace

bool XslTemplate::load(const QString& path, QString* error) {
    m_stylesheet.reset();
    XmlDocument document;
    if (!document.load(path, error))
        return false;
    return setStylesheet(document, error);
}

bool XslTemplate::setStylesheet(const XmlDocument& stylesheet, QString* error) {
    m_stylesheet.reset();
    if (stylesheet.isNull() || stylesheet.documentElement().isNull()) {
        if (error)
            *error = QStringLiteral("empty style sheet");
        return false;
    }
    ErrorCollector errors;
    // xsltParseStylesheetDoc takes ownership of the document it compiles, so give it a copy.
    xmlDoc* copy = xmlCopyDoc(stylesheet.raw(), 1);
    xsltStylesheet* sheet = copy ? xsltParseStylesheetDoc(copy) : nullptr;
    if (!sheet || sheet->errors > 0) {
        if (sheet)
            xsltFreeStylesheet(sheet);
        else if (copy)
            xmlFreeDoc(copy);
        if (error)
            *error = errors.messages().isEmpty() ? QStringLiteral("not a valid style sheet") : errors.messages();
        return false;
    }
    m_stylesheet = std::shared_ptr<xsltStylesheet>(sheet, StylesheetDeleter());
    return true;
}

XslProcessor XslTemplate::createProcessor() const {
    XslProcessor processor;
    processor.m_stylesheet = m_stylesheet;
    return processor;
}

void XslProcessor::addParameter(const QString& name, const QString& value) {
    m_parameters.append({name.toUtf8(), value.toUtf8(), true});
}

void XslProcessor::addParameter(const QString& name, double value) {
    m_parameters.append({name.toUtf8(), QByteArray::number(value, 'g', 17), false});
}

void XslProcessor::setInput(const XmlNode& input) {
    m_inputNode = input;
    m_inputDocument = XmlDocument();
}

void XslProcessor::setInput(const XmlDocument& input) {
    m_inputDocument = input;
    m_inputNode = XmlNode();
}

bool XslProcessor::transform(QString* error) {
    m_output.clear();
    auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (!m_stylesheet)
        return fail(QStringLiteral("no style sheet"));

    // libxslt always starts at a document's root, and only reads the document: the input's own
    // document, with the input element made its root for the time of the transformation when it
    // is not the root already.
    // An element outside any tree is copied into a document of its own.
    std::optional<BorrowedRoot> borrowed;
    std::unique_ptr<xmlDoc, RawDocDeleter> ownInput;
    xmlDoc* input = nullptr;
    if (!m_inputNode.isNull() && m_inputNode.raw()->parent) {
        xmlNode* element = m_inputNode.raw();
        if (element != xmlDocGetRootElement(element->doc))
            borrowed.emplace(element);
        input = element->doc;
    } else if (!m_inputNode.isNull()) {
        ownInput.reset(xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0")));
        copyElementInto(m_inputNode.raw(), ownInput.get());
        if (!xmlDocGetRootElement(ownInput.get()))
            return fail(QStringLiteral("cannot copy the input node"));
        input = ownInput.get();
    } else if (!m_inputDocument.isNull()) {
        input = m_inputDocument.raw();
    } else {
        return fail(QStringLiteral("no input"));
    }

    ErrorCollector errors;
    std::unique_ptr<xsltTransformContext, TransformContextDeleter> context(
        xsltNewTransformContext(m_stylesheet.get(), input));
    if (!context)
        return fail(QStringLiteral("cannot start the transformation"));
    auto prefs = restrictivePrefs();
    xsltSetCtxtSecurityPrefs(prefs.get(), context.get());
    // A runaway recursive template ends with an error instead of exhausting the stack.
    context->maxTemplateDepth = 3000;
    // A text goes in as a string value, never as an expression to evaluate, so any text works.
    for (const Parameter& parameter : m_parameters) {
        const auto* name = reinterpret_cast<const xmlChar*>(parameter.name.constData());
        const auto* value = reinterpret_cast<const xmlChar*>(parameter.value.constData());
        const int failed = parameter.isText ? xsltQuoteOneUserParam(context.get(), name, value)
                                            : xsltEvalOneUserParam(context.get(), name, value);
        if (failed != 0)
            return fail(errors.messages().isEmpty()
                            ? QStringLiteral("bad parameter ") + QString::fromUtf8(parameter.name)
                            : errors.messages());
    }

    std::unique_ptr<xmlDoc, RawDocDeleter> result(
        xsltApplyStylesheetUser(m_stylesheet.get(), input, nullptr, nullptr, nullptr, context.get()));
    if (!result || context->state == XSLT_STATE_ERROR || context->state == XSLT_STATE_STOPPED)
        return fail(errors.messages().isEmpty() ? QStringLiteral("the transformation failed") : errors.messages());

    xmlChar* text = nullptr;
    int length = 0;
    if (xsltSaveResultToString(&text, &length, result.get(), m_stylesheet.get()) != 0)
        return fail(QStringLiteral("cannot serialise the result"));
    XmlCharPtr owned(text);
    m_output = text ? QString::fromUtf8(reinterpret_cast<const char*>(text), length) : QString();
    return true;
}

} // namespace Xml
