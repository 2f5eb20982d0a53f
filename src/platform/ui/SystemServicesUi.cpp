// The system services that ask the browser engine: its version and whether it shows PDF files.
#include "platform/SystemServices.h"

#include "platform/SystemServicesSupport.h"

#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QtWebEngineCore/qtwebenginecoreglobal.h>

namespace IEVersionHelpers {

qint16 GetIEMajorVersion()
{
    return tova::system::majorVersionFromText(QString::fromLatin1(qWebEngineChromiumVersion()));
}

} // namespace IEVersionHelpers

namespace RegHelpers {

QString QueryValueHKCR(const QString& keyPath, const QString& valueName)
{
    // The one question asked of the classes root is whether PDF files can be opened: the embedded
    // browser's own viewer counts, else the desktop's default application for them.
    if (keyPath.compare(QLatin1String(".pdf"), Qt::CaseInsensitive) == 0 && valueName.isEmpty()) {
        const QWebEngineSettings* settings = QWebEngineProfile::defaultProfile()->settings();
        if (settings->testAttribute(QWebEngineSettings::PdfViewerEnabled))
            return QStringLiteral("embedded-pdf-viewer");
        return tova::system::defaultPdfApplication();
    }
    return tova::system::readRegistryValue(tova::system::classesRoot(), keyPath, valueName);
}

} // namespace RegHelpers
