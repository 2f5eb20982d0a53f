#include "platform/xml/XmlShape.h"

#include <algorithm>
#include <cstring>

namespace Xml {
namespace {

// The position just past the first occurrence of terminator at or after from (the end when none).
qsizetype skipPast(const QByteArray& bytes, qsizetype from, const char* terminator) {
    const qsizetype found = bytes.indexOf(terminator, from);
    return found < 0 ? bytes.size() : found + qsizetype(std::strlen(terminator));
}

bool startsAt(const QByteArray& bytes, qsizetype at, const char* text) {
    return QByteArrayView(bytes).sliced(at).startsWith(text);
}

} // namespace

XmlShape shapeOf(const QByteArray& bytes) {
    XmlShape shape;
    int depth = 0;
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        i = bytes.indexOf('<', i);
        if (i < 0)
            break;
        if (startsAt(bytes, i, "<!--")) {
            i = skipPast(bytes, i + 4, "-->");
            continue;
        }
        if (startsAt(bytes, i, "<![CDATA[")) {
            i = skipPast(bytes, i + 9, "]]>");
            continue;
        }
        if (startsAt(bytes, i, "<?")) {
            i = skipPast(bytes, i + 2, "?>");
            continue;
        }
        // A start tag, an end tag or a declaration (the last two count no "=" outside quotes).
        const char kind = i + 1 < size ? bytes.at(i + 1) : '\0';
        int count = 0;
        char quote = 0;
        char last = 0;
        for (++i; i < size; ++i) {
            const char c = bytes.at(i);
            if (quote) {
                if (c == quote)
                    quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '=') {
                ++count;
            } else if (c == '>' || c == '<') {
                break;
            }
            last = c;
        }
        shape.largestAttributeCount = std::max(shape.largestAttributeCount, count);
        if (kind == '/') {
            depth = std::max(depth - 1, 0);
        } else if (kind != '!') {
            shape.deepestNesting = std::max(shape.deepestNesting, depth + 1);
            // An empty-element tag ("<a/>") leaves nothing open.
            if (last != '/')
                ++depth;
        }
    }
    return shape;
}

} // namespace Xml
