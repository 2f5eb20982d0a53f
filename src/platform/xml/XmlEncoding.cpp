#include "platform/xml/XmlEncoding.h"

#include "platform/xml/XmlHandles.h"

#include <QRegularExpression>

#include <libxml/encoding.h>

#include <memory>

namespace Xml {
namespace {

struct EncodingHandlerDeleter {
    // Frees the converter of an encoding found through the system's converters; the built-in
    // ones are left alone by this call.
    void operator()(xmlCharEncodingHandler* handler) const { xmlCharEncCloseFunc(handler); }
};
using EncodingHandlerPtr = std::unique_ptr<xmlCharEncodingHandler, EncodingHandlerDeleter>;

bool fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

// The encoding named by the XML declaration at the start of ASCII-compatible bytes; empty when
// there is none.
QByteArray declaredEncoding(const QByteArray& bytes)
{
    if (!bytes.startsWith("<?xml"))
        return QByteArray();
    const qsizetype end = bytes.indexOf("?>");
    if (end < 0)
        return QByteArray();
    static const QRegularExpression encoding(QStringLiteral("\\sencoding\\s*=\\s*[\"']([A-Za-z0-9._:-]+)[\"']"));
    const QRegularExpressionMatch match = encoding.match(QString::fromLatin1(bytes.left(end)));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

// Encodings the parser reads without a converter, or refuses on its own when they are named for
// bytes in another one.
bool readNatively(const QByteArray& name)
{
    const QByteArray lower = name.toLower();
    return name.isEmpty() || lower == "utf-8" || lower == "utf8" || lower == "utf-16" || lower == "utf16";
}

bool convert(xmlCharEncodingHandler* handler, const QByteArray& bytes, QByteArray* utf8, QString* error)
{
    // The converter consumes its input buffer as it goes.
    XmlBufferPtr rest(xmlBufferCreate());
    XmlBufferPtr out(xmlBufferCreate());
    if (!rest || !out ||
        xmlBufferAdd(rest.get(), reinterpret_cast<const xmlChar*>(bytes.constData()), int(bytes.size())) != 0)
        return fail(error, QStringLiteral("out of memory decoding the file"));
    while (xmlBufferLength(rest.get()) > 0) {
        const int before = xmlBufferLength(rest.get());
        const int written = xmlCharEncInFunc(handler, out.get(), rest.get());
        if (written == -2 || (written <= 0 && xmlBufferLength(rest.get()) == before))
            return fail(error, QStringLiteral("the file holds bytes that are not characters of its encoding"));
    }
    *utf8 = QByteArray(reinterpret_cast<const char*>(xmlBufferContent(out.get())), xmlBufferLength(out.get()));
    return true;
}

} // namespace

bool decodeXml(const QByteArray& bytes, DecodedXml* decoded, QString* error)
{
    decoded->utf8 = bytes;
    decoded->transcoded = false;
    if (bytes.size() < 4)
        return true;
    const xmlCharEncoding detected =
        xmlDetectCharEncoding(reinterpret_cast<const unsigned char*>(bytes.constData()), int(bytes.size()));
    EncodingHandlerPtr handler;
    qsizetype skip = 0;
    if (detected == XML_CHAR_ENCODING_UTF8) {
        return true;
    } else if (detected == XML_CHAR_ENCODING_NONE) {
        const QByteArray declared = declaredEncoding(bytes);
        if (readNatively(declared))
            return true;
        handler.reset(xmlFindCharEncodingHandler(declared.constData()));
        if (!handler)
            return fail(error, QStringLiteral("the file's encoding %1 is not known").arg(QString::fromLatin1(declared)));
    } else {
        handler.reset(xmlGetCharEncodingHandler(detected));
        if (!handler)
            return fail(error, QStringLiteral("the file's encoding is not known"));
        // The byte order mark is no character of the text.
        if ((detected == XML_CHAR_ENCODING_UTF16LE || detected == XML_CHAR_ENCODING_UTF16BE) &&
            (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")))
            skip = 2;
    }
    if (!convert(handler.get(), bytes.mid(skip), &decoded->utf8, error))
        return false;
    decoded->transcoded = true;
    return true;
}

} // namespace Xml
