// The recent-files list: "RecentCount" entries "File0"... in the settings store, most recent first.
// The list is read once and written once, so adding a file costs the same per entry whatever the
// list's length.
#include "store/ProjectFiles.h"

#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "store/ProjectDocument.h"
#include "store/TextValues.h"

#include <QStringList>

namespace Globals {
namespace {

const QString kApplication = QStringLiteral("TOVA2v2.0");
const QString kSection = QStringLiteral("Recent");
const QString kCountKey = QStringLiteral("RecentCount");
// The count is read back as a 16-bit number: a list at that size keeps its length and drops its
// oldest entry.
constexpr int kLongestList = 32767;

QString fileKey(int index) {
    return QStringLiteral("File%1").arg(index);
}

// The stored list. A count that is missing or not a whole number reads as an empty list; a count
// larger than the entries stored reads as far as the last stored entry (a missing one in between
// reads as "").
QStringList readList(const tova::SettingsStore& settings) {
    const QHash<QString, QString> values = settings.GetSection(kApplication, kSection);
    bool ok = false;
    const qint16 count = tova::store::toInt16(values.value(kCountKey), &ok);
    if (!ok || count <= 0)
        return QStringList();
    int stored = 0;
    for (int i = 0; i < count; ++i) {
        if (values.contains(fileKey(i)))
            stored = i + 1;
    }
    QStringList files;
    files.reserve(stored);
    for (int i = 0; i < stored; ++i)
        files.append(values.value(fileKey(i)));
    return files;
}

} // namespace

void AddRecentFile() {
    tova::SettingsStore* settings = tova::services().settings;
    if (!settings)
        return;
    const QString path = gProjectPath;
    QStringList files = readList(*settings);
    // A listed file moves to the front (its last listing, should it be listed twice); a new one is
    // put in front of the others.
    const int match = int(files.lastIndexOf(path));
    if (match >= 0)
        files.removeAt(match);
    files.prepend(path);
    while (files.size() > kLongestList)
        files.removeLast();

    QList<QPair<QString, QString>> values;
    values.reserve(files.size() + 1);
    values.append({kCountKey, QString::number(files.size())});
    for (int i = 0; i < files.size(); ++i)
        values.append({fileKey(i), files.at(i)});
    settings->SaveSettings(kApplication, kSection, values);
}

QStringList GetRecentFiles() {
    const tova::SettingsStore* settings = tova::services().settings;
    return settings ? readList(*settings) : QStringList();
}

} // namespace Globals
