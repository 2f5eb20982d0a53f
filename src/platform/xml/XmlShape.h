// A look at a document's shape before it is parsed. The parser compares each attribute of an
// element with all the ones before it, so an element with a great many attributes takes minutes;
// and the programs that walk a document (copies, style sheets) go down one level of the machine's
// stack per level of nesting. No document of ours has more than a handful of attributes on one
// element or more than a few levels.
#pragma once

#include <QByteArray>

namespace Xml {

// More attributes than this on one element and a document is refused unparsed.
constexpr int kMaxAttributesPerElement = 256;
// Elements nested deeper than this and a document is refused unparsed.
constexpr int kMaxElementDepth = 256;

struct XmlShape {
    // The largest number of attributes found on one start tag, counted as the "=" signs outside
    // quoted values.
    int largestAttributeCount = 0;
    // The deepest nesting of elements: 1 for a root element without child elements.
    int deepestNesting = 0;
};

// The shape of the text's tags; comments, processing instructions and character data sections are
// skipped.
XmlShape shapeOf(const QByteArray& bytes);

} // namespace Xml
