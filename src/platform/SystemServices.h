// The operating system services the program relies on: the browser engine's version, starting
// programs, a registry-like value store and the documents folder.
#pragma once

#include <QString>

namespace IEVersionHelpers {
// The browser engine's major version; 0 when it cannot be read. Defined in ui/SystemServicesUi.cpp,
// beside the engine it asks.
qint16 GetIEMajorVersion();
} // namespace IEVersionHelpers

namespace ShellHelpers {
// Starts a program; with wait, returns when it has ended (processing events meanwhile).
void ExecCmd(const QString& programPath, const QString& commandLine, bool wait);
// Hands a file to the desktop's default application for its type, waiting (events go on) only
// until the opener has either failed or been running for a few seconds. False when the desktop
// names no application for that type, or the opener cannot be started or exits with an error.
bool OpenWithDefaultApplication(const QString& filePath);
} // namespace ShellHelpers

namespace RegHelpers {
enum ValueType { REG_SZ = 1, REG_DWORD = 4 };
QString QueryValueHKCR(const QString& keyPath, const QString& valueName);
QString QueryValueHKCU(const QString& keyPath, const QString& valueName);
void SetKeyValueHKCU(const QString& keyPath, const QString& valueName, const QString& value, int valueType);
} // namespace RegHelpers

namespace SystemFolderHelpers {
// The user's documents folder ending in a separator, or "".
QString GetMyDocumentsFolder();
} // namespace SystemFolderHelpers
