#include "review/RecentRows.h"

#include <QSet>

#include <algorithm>

namespace tova::review {

QList<RecentRow> recentRows(const QStringList& paths) {
    QList<RecentRow> rows;
    QSet<QString> seen;
    for (const QString& path : paths) {
        if (path.isEmpty() || seen.contains(path))
            continue;
        seen.insert(path);
        const int separator = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
        if (separator < 0)
            rows.append({path, path, QString()});
        else
            rows.append({path, path.mid(separator + 1), path.left(separator)});
    }
    return rows;
}

int projectColumnWidth(int viewWidth, int namesWidth, int foldersWidth) {
    return std::min(namesWidth, std::max(viewWidth / 2, viewWidth - foldersWidth));
}

} // namespace tova::review
