// Texts on their way into and out of a document. XML 1.0 cannot hold every character a string
// can: a text that held one would be written out and could never be read back, so such
// characters are replaced on the way in.
#pragma once

#include <QString>

namespace Xml {

// The text with every character that XML 1.0 cannot hold (U+0000 to U+001F other than tab, line
// feed and carriage return; U+FFFE, U+FFFF; a surrogate without its partner) replaced by a blank.
QString xmlSafeText(const QString& text);

// UTF-8 from the parser as a string, keeping a leading U+FEFF: it is part of the text, not a mark.
QString textFromUtf8(const char* utf8, int size = -1);

} // namespace Xml
