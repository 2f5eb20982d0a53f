#include "platform/xml/XmlErrors.h"

#include <libxml/xmlerror.h>
#include <libxslt/xsltutils.h>

#include <cstdarg>
#include <cstdio>

namespace Xml {
namespace {

void genericHandler(void* context, const char* format, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    static_cast<ErrorCollector*>(context)->add(QString::fromUtf8(buffer));
}

void structuredHandler(void* context, xmlErrorPtr error) {
    if (!error || !error->message)
        return;
    QString message = QString::fromUtf8(error->message).trimmed();
    if (error->line > 0)
        message = QStringLiteral("line %1: %2").arg(error->line).arg(message);
    static_cast<ErrorCollector*>(context)->add(message);
}

} // namespace

ErrorCollector::ErrorCollector() {
    m_previousGenericContext = xmlGenericErrorContext;
    m_previousGenericHandler = reinterpret_cast<void*>(xmlGenericError);
    m_previousStructuredContext = xmlStructuredErrorContext;
    m_previousStructuredHandler = reinterpret_cast<void*>(xmlStructuredError);
    m_previousXsltContext = xsltGenericErrorContext;
    m_previousXsltHandler = reinterpret_cast<void*>(xsltGenericError);
    xmlSetGenericErrorFunc(this, genericHandler);
    xmlSetStructuredErrorFunc(this, structuredHandler);
    xsltSetGenericErrorFunc(this, genericHandler);
}

ErrorCollector::~ErrorCollector() {
    xmlSetGenericErrorFunc(m_previousGenericContext, reinterpret_cast<xmlGenericErrorFunc>(m_previousGenericHandler));
    xmlSetStructuredErrorFunc(m_previousStructuredContext,
                              reinterpret_cast<xmlStructuredErrorFunc>(m_previousStructuredHandler));
    xsltSetGenericErrorFunc(m_previousXsltContext, reinterpret_cast<xmlGenericErrorFunc>(m_previousXsltHandler));
}

void ErrorCollector::add(const QString& message) {
    // Keep the first messages only: a hostile input can produce an unbounded stream of them.
    if (m_messages.size() > 4096)
        return;
    if (!m_messages.isEmpty())
        m_messages += QLatin1Char('\n');
    m_messages += message.trimmed();
}

} // namespace Xml
