// The per-user settings store: text values by application, section and key, kept in an INI file
// in the user's configuration folder. A file the store cannot read (not a regular file, too large,
// not UTF-8 text, not in INI form) reads as no settings at all, and is never written over: the
// first change moves it aside under another name and starts a new file.
#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

#include <memory>

class QSettings;

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
    void SaveSettings(const QString& application, const QString& section, const QList<QPair<QString, QString>>& values);

    const QString& fileName() const { return m_file; }

private:
    // The file's settings; null when the file cannot be read, or, for a change, when the
    // unreadable file could not be moved aside.
    std::unique_ptr<QSettings> open() const;
    std::unique_ptr<QSettings> openForChange();

    QString m_file;
};

} // namespace tova
