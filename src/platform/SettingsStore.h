// The per-user settings store: text values by application, section and key, kept in an INI file
// in the user's configuration folder.
#pragma once

#include <QString>

namespace tova {

class SettingsStore {
public:
    // The store in the user's configuration folder.
    SettingsStore();
    // A store kept in the given INI file (tests use a file of their own).
    explicit SettingsStore(const QString& iniFile);

    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue = QString()) const;
    void SaveSetting(const QString& application, const QString& section, const QString& key, const QString& value);
    bool HasSetting(const QString& application, const QString& section, const QString& key) const;
    void DeleteSetting(const QString& application, const QString& section, const QString& key);

    const QString& fileName() const { return m_file; }

private:
    QString m_file;
};

} // namespace tova
