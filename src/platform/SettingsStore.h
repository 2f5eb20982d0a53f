// The per-user settings store: text values by application, section and key, kept in an INI file
// in the user's configuration folder.
#pragma once

#include <QHash>
#include <QList>
#include <QPair>
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

    // Every key of a section with its text, read at once.
    QHash<QString, QString> GetSection(const QString& application, const QString& section) const;
    // Several keys of a section (key, text) written at once: the file is read and written once.
    void SaveSettings(const QString& application, const QString& section,
                      const QList<QPair<QString, QString>>& values);

    const QString& fileName() const { return m_file; }

private:
    QString m_file;
};

} // namespace tova
