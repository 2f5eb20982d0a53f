#include "platform/xml/XmlText.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace Xml {
namespace {

bool allowedBelowBlank(char16_t c) {
    return c == u'\t' || c == u'\n' || c == u'\r';
}

} // namespace

QString xmlSafeText(const QString& text) {
    QString safe = text;
    const qsizetype size = safe.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = safe.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(safe.at(i + 1).unicode())) {
            ++i;
            continue;
        }
        const bool bad = (c < 0x20 && !allowedBelowBlank(c)) || c == 0xFFFE || c == 0xFFFF || QChar::isSurrogate(c);
        if (bad)
            safe[i] = QLatin1Char(' ');
    }
    return safe;
}

QString textFromUtf8(const char* utf8, int size) {
    if (!utf8)
        return QString();
    const qsizetype length = size < 0 ? qsizetype(std::strlen(utf8)) : size;
    // Plain ASCII, as ids, numbers and dates are, reads the same byte for byte and needs no decoder.
    if (std::all_of(utf8, utf8 + length, [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(utf8, length);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(utf8, length));
}

} // namespace Xml
