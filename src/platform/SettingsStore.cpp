#include "platform/SettingsStore.h"

#include <QSettings>
#include <QStandardPaths>

namespace tova {
namespace {

QString keyPath(const QString& application, const QString& section, const QString& key)
{
    // QSettings treats "/" as a group separator; keep each part whole.
    auto clean = [](QString part) { return part.replace(QLatin1Char('/'), QLatin1Char('_')); };
    return clean(application) + QLatin1Char('/') + clean(section) + QLatin1Char('/') + clean(key);
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

} // namespace tova
