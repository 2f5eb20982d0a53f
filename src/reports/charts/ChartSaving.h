// Saving a chart picture where the user will look for it, and telling the user when that failed.
#pragma once

#include <QStringList>

namespace Reports {

// One message naming every picture that could not be written; nothing when the list is empty.
void ReportUnsavedCharts(const QStringList& paths);

} // namespace Reports
