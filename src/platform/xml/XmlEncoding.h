// The characters of a file's bytes as the parser will read them. A guard that looks at the bytes
// themselves is walked around by any encoding other than UTF-8, so the bytes are decoded first,
// the way the parser itself decides: a byte order mark or the first characters, then the encoding
// that an ASCII-compatible XML declaration names.
#pragma once

#include <QByteArray>
#include <QString>

namespace Xml {

struct DecodedXml {
    // The text in UTF-8.
    QByteArray utf8;
    // True when the bytes were in another encoding: the declaration's encoding no longer holds.
    bool transcoded = false;
};

// False, with the reason in *error, when the bytes cannot be decoded (an encoding that is not
// known, or bytes that are not of it).
bool decodeXml(const QByteArray& bytes, DecodedXml* decoded, QString* error);

} // namespace Xml
