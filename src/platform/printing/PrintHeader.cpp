#include "platform/printing/PrintHeader.h"

namespace tova::printing {

QString headerFragment() {
    return QStringLiteral(R"(<p align="center"><img src="../images/printheader.bmp" align="center"></p>)");
}

QString insertHeaderScript() {
    // The fragment holds double quotes only, so a single-quoted script string carries it unchanged.
    return QStringLiteral("document.body.insertAdjacentHTML('afterBegin', '%1')").arg(headerFragment());
}

QString picturesSettledScript() {
    return QStringLiteral("Array.prototype.every.call(document.images, function (i) { return i.complete; })");
}

} // namespace tova::printing
