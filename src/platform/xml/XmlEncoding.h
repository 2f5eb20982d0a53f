// The characters of a file's bytes as the parser will read them. A guard that looks at the bytes
// themselves is walked around by any encoding other than UTF-8, so the bytes are decoded first and
// the parser is handed the decoded text, told to ignore the encoding its declaration names: the
// guards and the parser see the same characters, whatever the file's encoding.
#pragma once

#include <QByteArray>
#include <QString>

namespace Xml {

// The file's text in UTF-8, found the way the parser itself decides: a byte order mark or the
// first characters, then the encoding that the XML declaration names. False, with the reason in
// *error, when the bytes cannot be decoded (an encoding that is not known, bytes that are not of
// it, or a character that no XML document can hold).
bool decodeXml(const QByteArray& bytes, QByteArray* utf8, QString* error);

} // namespace Xml
