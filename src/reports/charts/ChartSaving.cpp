#include "reports/charts/ChartSaving.h"

#include "platform/dialogs/MessageBox.h"

#include <QDir>

namespace Reports {

void ReportUnsavedCharts(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    QStringList shown;
    for (const QString& path : paths)
        shown.append(QDir::toNativeSeparators(path));
    tova::MsgBox(QStringLiteral("The chart picture could not be saved. Check that the folder can be written to and "
                                "that the disk is not full.\n\n") +
                     shown.join(QLatin1Char('\n')),
                 tova::MsgButtons::Ok, tova::MsgIcon::Exclamation);
}

} // namespace Reports
