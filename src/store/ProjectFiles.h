// Opening, saving and closing project files, and the recent-files list.
#pragma once

#include <QString>
#include <QStringList>

namespace Globals {

bool OpenProject(const QString& filePath);
bool SaveProject(const QString& filePath);
// Asks whether to save first; false (and nothing closed) when the save asked for did not happen.
bool CloseProject();
void OpenProjectAndShow(const QString& filePath);
void AddRecentFile();

// The recent-files list in its stored order ("File0" first).
QStringList GetRecentFiles();

} // namespace Globals
