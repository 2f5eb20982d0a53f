// Texts put into page scripts as string literals.
#pragma once

#include <QString>

namespace tova {

// A JavaScript string literal, double-quoted, holding text whole: quotes, backslashes, line breaks
// and the two line separators JavaScript ends a line at are escaped.
QString scriptLiteral(const QString& text);

} // namespace tova
