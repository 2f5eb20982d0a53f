// The system service that asks the browser engine itself: its version.
#include "platform/SystemServices.h"

#include "platform/SystemServicesSupport.h"

#include <QtWebEngineCore/qtwebenginecoreglobal.h>

namespace IEVersionHelpers {

qint16 GetIEMajorVersion() {
    return tova::system::majorVersionFromText(QString::fromLatin1(qWebEngineChromiumVersion()));
}

} // namespace IEVersionHelpers
