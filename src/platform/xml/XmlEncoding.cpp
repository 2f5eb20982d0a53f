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

bool fail(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return false;
}

// How the first bytes of a file show its encoding: a byte order mark, or the "<?" of a
// declaration written in that encoding. Bytes that match none are ASCII-compatible.
struct ByteForm {
    QByteArrayView start;
    // The converter's name; empty for EBCDIC, whose code page only its declaration names.
    const char* encoding;
    // Bytes of a byte order mark, which is no character of the text.
    qsizetype mark;
};

const ByteForm kByteForms[] = {
    {QByteArrayView("\x00\x00\xFE\xFF", 4), "UTF-32BE", 4}, {QByteArrayView("\xFF\xFE\x00\x00", 4), "UTF-32LE", 4},
    {QByteArrayView("\xFE\xFF", 2), "UTF-16BE", 2},         {QByteArrayView("\xFF\xFE", 2), "UTF-16LE", 2},
    {QByteArrayView("\x00\x00\x00\x3C", 4), "UTF-32BE", 0}, {QByteArrayView("\x3C\x00\x00\x00", 4), "UTF-32LE", 0},
    {QByteArrayView("\x00\x3C\x00\x3F", 4), "UTF-16BE", 0}, {QByteArrayView("\x3C\x00\x3F\x00", 4), "UTF-16LE", 0},
    {QByteArrayView("\x4C\x6F\xA7\x94", 4), "", 0},
};

const QByteArrayView kUtf8Mark("\xEF\xBB\xBF", 3);

// The encoding named by the XML declaration at the start of ASCII-compatible text; empty when
// there is none.
QByteArray declaredEncoding(QByteArrayView text) {
    if (!text.startsWith("<?xml"))
        return QByteArray();
    const qsizetype end = text.indexOf("?>");
    if (end < 0)
        return QByteArray();
    static const QRegularExpression encoding(QStringLiteral("\\sencoding\\s*=\\s*[\"']([A-Za-z0-9._:-]+)[\"']"));
    const QRegularExpressionMatch match = encoding.match(QString::fromLatin1(text.first(end)));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

bool isUtf8(const QByteArray& name) {
    const QByteArray lower = name.toLower();
    return lower == "utf-8" || lower == "utf8";
}

EncodingHandlerPtr namedHandler(const QByteArray& name, QString* error) {
    EncodingHandlerPtr handler(xmlFindCharEncodingHandler(name.constData()));
    if (!handler)
        fail(error, QStringLiteral("the file's encoding %1 is not known").arg(QString::fromLatin1(name)));
    return handler;
}

bool convert(xmlCharEncodingHandler* handler, QByteArrayView bytes, QByteArray* utf8, QString* error) {
    // The converter consumes its input buffer as it goes.
    XmlBufferPtr rest(xmlBufferCreate());
    XmlBufferPtr out(xmlBufferCreate());
    if (!rest || !out ||
        xmlBufferAdd(rest.get(), reinterpret_cast<const xmlChar*>(bytes.data()), int(bytes.size())) != 0)
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

bool convertNamed(const QByteArray& name, QByteArrayView bytes, QByteArray* utf8, QString* error) {
    const EncodingHandlerPtr handler = namedHandler(name, error);
    return handler && convert(handler.get(), bytes, utf8, error);
}

// EBCDIC has many code pages, which share the characters of a declaration and differ in others
// (national letters, "[", "!", "|"...): only the declaration is read with a common page, and the
// whole file with the page it names.
bool convertEbcdic(QByteArrayView bytes, QByteArray* utf8, QString* error) {
    const EncodingHandlerPtr common(xmlGetCharEncodingHandler(XML_CHAR_ENCODING_EBCDIC));
    if (!common)
        return fail(error, QStringLiteral("the file's encoding EBCDIC is not known"));
    // "?>" in every EBCDIC page.
    const qsizetype declarationEnd = bytes.indexOf(QByteArrayView("\x6F\x6E", 2));
    QByteArray declaration;
    if (declarationEnd >= 0 && !convert(common.get(), bytes.first(declarationEnd + 2), &declaration, error))
        return false;
    const QByteArray declared = declaredEncoding(declaration);
    return declared.isEmpty() ? convert(common.get(), bytes, utf8, error) : convertNamed(declared, bytes, utf8, error);
}

bool decodeByForm(const QByteArray& bytes, QByteArray* utf8, QString* error) {
    for (const ByteForm& form : kByteForms) {
        if (!QByteArrayView(bytes).startsWith(form.start))
            continue;
        const QByteArrayView text = QByteArrayView(bytes).sliced(form.mark);
        return *form.encoding ? convertNamed(form.encoding, text, utf8, error) : convertEbcdic(text, utf8, error);
    }
    const QByteArrayView text =
        bytes.startsWith(kUtf8Mark) ? QByteArrayView(bytes).sliced(kUtf8Mark.size()) : QByteArrayView(bytes);
    const QByteArray declared = declaredEncoding(text);
    if (declared.isEmpty() || isUtf8(declared)) {
        *utf8 = bytes;
        return true;
    }
    return convertNamed(declared, text, utf8, error);
}

} // namespace

bool decodeXml(const QByteArray& bytes, QByteArray* utf8, QString* error) {
    if (!decodeByForm(bytes, utf8, error))
        return false;
    // No XML text holds U+0000. Refused here, no text handed on can look to the parser like the
    // first bytes of another encoding.
    if (utf8->contains('\0'))
        return fail(error, QStringLiteral("the file holds a character that XML cannot hold"));
    return true;
}

} // namespace Xml
