// A look at a document's shape before it is parsed. The parser compares each attribute of an
// element with all the ones before it, so an element with a great many attributes takes minutes;
// no document of ours has more than a handful on one element.
#pragma once

#include <QByteArray>

namespace Xml {

// More attributes than this on one element and a document is refused unparsed.
constexpr int kMaxAttributesPerElement = 256;

// The largest number of attributes found on one start tag, counted as the "=" signs outside quoted
// values; comments, processing instructions and character data sections are skipped.
int largestAttributeCount(const QByteArray& bytes);

} // namespace Xml
