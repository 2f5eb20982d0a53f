// The recent-files list: "RecentCount" entries "File0"... in the settings store, most recent first.
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

QString fileKey(int index) { return QStringLiteral("File%1").arg(index); }

// A count that is missing or not a whole number reads as an empty list.
int recentCount(const tova::SettingsStore& settings)
{
    bool ok = false;
    const qint16 count = tova::store::toInt16(settings.GetSetting(kApplication, kSection, kCountKey), &ok);
    return ok && count > 0 ? count : 0;
}

} // namespace

void AddRecentFile()
{
    tova::SettingsStore* settings = tova::services().settings;
    if (!settings)
        return;
    const QString path = gProjectPath;
    const int count = recentCount(*settings);
    int match = -1;
    for (int i = 0; i < count; ++i) {
        if (settings->GetSetting(kApplication, kSection, fileKey(i)) == path)
            match = i;
    }
    int shiftFrom = match;
    if (match < 0) {
        // The count is read back as a 16-bit number: a list at that size keeps its length and
        // drops its oldest entry.
        const int newCount = qMin(count + 1, 32767);
        settings->SaveSetting(kApplication, kSection, kCountKey, QString::number(newCount));
        shiftFrom = newCount - 1;
    }
    for (int j = shiftFrom - 1; j >= 0; --j)
        settings->SaveSetting(kApplication, kSection, fileKey(j + 1), settings->GetSetting(kApplication, kSection, fileKey(j)));
    settings->SaveSetting(kApplication, kSection, fileKey(0), path);
}

QStringList GetRecentFiles()
{
    QStringList files;
    const tova::SettingsStore* settings = tova::services().settings;
    if (!settings)
        return files;
    const int count = recentCount(*settings);
    for (int i = 0; i < count; ++i)
        files.append(settings->GetSetting(kApplication, kSection, fileKey(i)));
    return files;
}

} // namespace Globals
