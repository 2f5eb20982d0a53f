// The library's primer on rework causes, written as a PDF.
#pragma once

#include <QString>

namespace Pictures {

bool writePrimer(const QString& path);

} // namespace Pictures
