// Collects libxml2/libxslt messages for one call instead of letting them reach the console.
#pragma once

#include <QString>

namespace Xml {

class ErrorCollector {
public:
    ErrorCollector();
    ~ErrorCollector();
    ErrorCollector(const ErrorCollector&) = delete;
    ErrorCollector& operator=(const ErrorCollector&) = delete;

    const QString& messages() const { return m_messages; }
    void add(const QString& message);

private:
    QString m_messages;
    void* m_previousGenericContext = nullptr;
    void* m_previousGenericHandler = nullptr;
    void* m_previousStructuredContext = nullptr;
    void* m_previousStructuredHandler = nullptr;
    void* m_previousXsltContext = nullptr;
    void* m_previousXsltHandler = nullptr;
};

} // namespace Xml
