// How the store reads ids and numbers out of element text. Ids are 16-bit whole numbers; a text
// that is not one is treated as missing rather than guessed at. Path comparisons such as
// "question_id = 101" compare numbers the way XPath does, so lookups done without a path must read
// the text the same way.
#pragma once

#include <QString>

namespace tova::store {

// A strict 16-bit whole number: no fraction, nothing out of range. ok is false otherwise.
qint16 toInt16(const QString& text, bool* ok);

// The XPath number() of a text: optional blanks, an optional minus, digits with an optional
// fraction. NaN for anything else.
double xpathNumber(const QString& text);

} // namespace tova::store
