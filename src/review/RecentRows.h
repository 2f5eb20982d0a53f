// The rows of the start dialog's list of recently used project files.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tova::review {

struct RecentRow {
    QString path;   // the row's key: the full path
    QString file;   // "Project" column: the text after the last separator (the whole path without one)
    QString folder; // "Folder" column: the text before it, without a trailing separator
};

// One row per listed path in the list's order; a path listed twice keeps its first row, and an
// empty entry (nothing to open) gets none.
QList<RecentRow> recentRows(const QStringList& paths);

// The width of the "Project" column in a list view this wide, the folders' column taking the rest:
// the names' own width while the folders still fit beside them, else no less than half the view and
// never more, so both columns stay in view whatever the length of a name.
int projectColumnWidth(int viewWidth, int namesWidth, int foldersWidth);

} // namespace tova::review
