#include "platform/SettingsStore.h"

#include <QSettings>
#include <QStandardPaths>

namespace tova {
namespace {

// QSettings treats "/" as a group separator; keep each part whole.
QString cleanPart(QString part) { return part.replace(QLatin1Char('/'), QLatin1Char('_')); }

QString groupPath(const QString& application, const QString& section)
{
    return cleanPart(application) + QLatin1Char('/') + cleanPart(section);
}

QString keyPath(const QString& application, const QString& section, const QString& key)
{
    return groupPath(application, section) + QLatin1Char('/') + cleanPart(key);
}

} // namespace

SettingsStore::SettingsStore()
    : m_file(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/TOVA/settings.ini"))
{
}

SettingsStore::SettingsStore(const QString& iniFile) : m_file(iniFile) {}

QString SettingsStore::GetSetting(const QString& application, const QString& section, const QString& key,
                                  const QString& defaultValue) const
{
    QSettings settings(m_file, QSettings::IniFormat);
    return settings.value(keyPath(application, section, key), defaultValue).toString();
}

void SettingsStore::SaveSetting(const QString& application, const QString& section, const QString& key,
                                const QString& value)
{
    QSettings settings(m_file, QSettings::IniFormat);
    settings.setValue(keyPath(application, section, key), value);
    settings.sync();
}

bool SettingsStore::HasSetting(const QString& application, const QString& section, const QString& key) const
{
    QSettings settings(m_file, QSettings::IniFormat);
    return settings.contains(keyPath(application, section, key));
}

void SettingsStore::DeleteSetting(const QString& application, const QString& section, const QString& key)
{
    QSettings settings(m_file, QSettings::IniFormat);
    settings.remove(keyPath(application, section, key));
    settings.sync();
}

QHash<QString, QString> SettingsStore::GetSection(const QString& application, const QString& section) const
{
    QSettings settings(m_file, QSettings::IniFormat);
    settings.beginGroup(groupPath(application, section));
    QHash<QString, QString> values;
    const QStringList keys = settings.childKeys();
    for (const QString& key : keys)
        values.insert(key, settings.value(key).toString());
    return values;
}

void SettingsStore::SaveSettings(const QString& application, const QString& section,
                                 const QList<QPair<QString, QString>>& values)
{
    QSettings settings(m_file, QSettings::IniFormat);
    for (const auto& [key, value] : values)
        settings.setValue(keyPath(application, section, key), value);
    settings.sync();
}

} // namespace tova
