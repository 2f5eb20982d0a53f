#include "reference/ReferencePages.h"

#include "platform/AppFolder.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/xml/XslTemplate.h"
#include "platform/PageServices.h"
#include "platform/WholeFile.h"

namespace tova::reference {

bool loadStylesheet(Xml::XslTemplate& stylesheet, const QString& relative) {
    if (stylesheet.load(appPath(relative)))
        return true;
    MsgBox(QStringLiteral("Error loading XSL"));
    return false;
}

QString transformNode(const Xml::XslTemplate& stylesheet, const Xml::XmlNode& node) {
    if (node.isNull())
        return QString();
    Xml::XslProcessor processor = stylesheet.createProcessor();
    processor.setInput(node);
    if (!processor.transform())
        return QString();
    return processor.output();
}

bool writePage(const QString& html, WebBrowser& browser, const QString& filePath, const QString& navPath,
               bool navigate) {
    if (Globals::WriteHTMLAndShow(html, browser, filePath, navPath, navigate))
        return true;
    MsgBox(
        QStringLiteral("The page %1 could not be written. Check that the program's folder is writable.").arg(filePath),
        MsgButtons::Ok, MsgIcon::Critical);
    return false;
}

QString emptyPage() {
    return QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title></title>\n"
                          "<link rel=\"stylesheet\" href=\"../css/tova.css\">\n</head>\n<body>\n</body>\n</html>");
}

QString readContentFile(const QString& relative) {
    QByteArray bytes;
    readFileWhole(appPath(relative), kMaxContentFileBytes, &bytes);
    return QString::fromUtf8(bytes);
}

} // namespace tova::reference
