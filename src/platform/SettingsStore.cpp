#include "platform/SettingsStore.h"

#include "platform/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>

namespace tova {
namespace {

// QSettings treats "/" as a group separator; keep each part whole.
QString cleanPart(QString part) {
    return part.replace(QLatin1Char('/'), QLatin1Char('_'));
}

QString groupPath(const QString& application, const QString& section) {
    return cleanPart(application) + QLatin1Char('/') + cleanPart(section);
}

QString keyPath(const QString& application, const QString& section, const QString& key) {
    return groupPath(application, section) + QLatin1Char('/') + cleanPart(key);
}

// Far more than a recent list of thousands of files needs.
constexpr qint64 kMaxSettingsFileBytes = 16LL * 1024 * 1024;

// A missing file is readable: it holds no settings yet.
bool readable(const QString& file) {
    if (!QFile::exists(file) && !QFileInfo(file).isSymLink())
        return true;
    QByteArray bytes;
    if (!readFileWhole(file, kMaxSettingsFileBytes, &bytes))
        return false;
    // The INI reader takes any bytes; text in another encoding would come back as keys of junk.
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError() || text.contains(QChar(0)))
        return false;
    // Text with no setting in it is some other file, not settings to rewrite. (A write that failed
    // before is no fault of the file.)
    const QSettings settings(file, QSettings::IniFormat);
    return settings.status() != QSettings::FormatError && (!settings.allKeys().isEmpty() || text.trimmed().isEmpty());
}

bool moveAside(const QString& file) {
    const QString kept = file + QStringLiteral(".unreadable");
    if (QFile::rename(file, kept))
        return true;
    for (int number = 2; number < 100; ++number) {
        if (QFile::rename(file, kept + QString::number(number)))
            return true;
    }
    return false;
}

} // namespace

SettingsStore::SettingsStore()
    : m_file(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
             QStringLiteral("/TOVA/settings.ini")) {}

SettingsStore::SettingsStore(const QString& iniFile) : m_file(iniFile) {}

std::unique_ptr<QSettings> SettingsStore::open() const {
    if (!readable(m_file))
        return nullptr;
    return std::make_unique<QSettings>(m_file, QSettings::IniFormat);
}

std::unique_ptr<QSettings> SettingsStore::openForChange() {
    if (!readable(m_file) && !moveAside(m_file))
        return nullptr;
    return std::make_unique<QSettings>(m_file, QSettings::IniFormat);
}

QString SettingsStore::GetSetting(const QString& application, const QString& section, const QString& key,
                                  const QString& defaultValue) const {
    const std::unique_ptr<QSettings> settings = open();
    return settings ? settings->value(keyPath(application, section, key), defaultValue).toString() : defaultValue;
}

void SettingsStore::SaveSetting(const QString& application, const QString& section, const QString& key,
                                const QString& value) {
    SaveSettings(application, section, {{key, value}});
}

bool SettingsStore::HasSetting(const QString& application, const QString& section, const QString& key) const {
    const std::unique_ptr<QSettings> settings = open();
    return settings && settings->contains(keyPath(application, section, key));
}

void SettingsStore::DeleteSetting(const QString& application, const QString& section, const QString& key) {
    if (const std::unique_ptr<QSettings> settings = openForChange()) {
        settings->remove(keyPath(application, section, key));
        settings->sync();
    }
}

QHash<QString, QString> SettingsStore::GetSection(const QString& application, const QString& section) const {
    QHash<QString, QString> values;
    const std::unique_ptr<QSettings> settings = open();
    if (!settings)
        return values;
    settings->beginGroup(groupPath(application, section));
    const QStringList keys = settings->childKeys();
    for (const QString& key : keys)
        values.insert(key, settings->value(key).toString());
    return values;
}

void SettingsStore::SaveSettings(const QString& application, const QString& section,
                                 const QList<QPair<QString, QString>>& values) {
    const std::unique_ptr<QSettings> settings = openForChange();
    if (!settings)
        return;
    for (const auto& [key, value] : values)
        settings->setValue(keyPath(application, section, key), value);
    settings->sync();
}

} // namespace tova
