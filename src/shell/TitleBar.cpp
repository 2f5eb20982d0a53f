#include "shell/TitleBar.h"

#include "store/ProjectDocument.h"

namespace tova {

QString titleBarText() {
    const QString product = QStringLiteral("TOVA v2.0");
    if (!Globals::IsProjectLoaded())
        return product;
    if (!Globals::gProjectPath.isEmpty())
        return product + QStringLiteral(": ") + Globals::GetProjectName() + QStringLiteral(" (") +
               Globals::gProjectPath + QLatin1Char(')');
    return product + QStringLiteral(": ") + Globals::GetProjectName() + QStringLiteral(" *(unsaved)");
}

} // namespace tova
