// Printing the page a reference window shows: header image on, no preview, portrait.
#pragma once

#include <QString>

namespace tova::reference {

void printShownPage(const QString& filePath);

} // namespace tova::reference
