// The parts of the system services that need no browser engine: the registry-like value store kept
// in the settings store, reading a major version out of a version text, and asking the desktop for
// the default application of a file type.
#pragma once

#include <QString>

namespace tova::system {

// Registry roots as the settings store names them.
inline QString classesRoot() {
    return QStringLiteral("HKEY_CLASSES_ROOT");
}
inline QString currentUserRoot() {
    return QStringLiteral("HKEY_CURRENT_USER");
}

// Where a key lives in the settings store: application "Registry", one section per root and key
// path. A key exists when its marker entry does; each value is stored as "<type>:<data>".
inline QString registryApplication() {
    return QStringLiteral("Registry");
}
QString registrySection(const QString& root, const QString& keyPath);
inline QString keyMarker() {
    return QStringLiteral("(key)");
}
inline QString defaultValueName() {
    return QStringLiteral("(Default)");
}

// A value as text: text values as they are, whole numbers in decimal, any other type and anything
// missing as "".
QString readRegistryValue(const QString& root, const QString& keyPath, const QString& valueName);
// Writes a text or whole-number value into an existing key; a missing key or another type writes
// nothing.
void writeRegistryValue(const QString& root, const QString& keyPath, const QString& valueName, const QString& value,
                        int valueType);

// The major version in a text such as "102.0.5005.177"; on failure the error is shown and 0 comes
// back.
qint16 majorVersionFromText(const QString& versionText);

// The desktop's default application for a MIME type ("" when none or when it cannot be asked).
QString defaultApplicationFor(const QString& mimeType);
// The desktop's default application for PDF files.
QString defaultPdfApplication();

} // namespace tova::system
