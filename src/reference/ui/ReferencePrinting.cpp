#include "reference/ui/ReferencePrinting.h"

#include "shell/WindowRegistry.h"

namespace tova::reference {

void printShownPage(const QString& /*filePath*/) {
    // Printing is not part of this build yet.
    showNotAvailable(QStringLiteral("Printing"));
}

} // namespace tova::reference
