// Paths under the application folder. Content names are matched without regard to letter case, so
// "ProjectTrendDetail" and "projecttrenddetail" name one folder on every file system.
#pragma once

#include <QString>

namespace tova {

// The application folder, without a trailing separator.
QString appFolder();

// The full path of a content-relative path ("fishbone\\fish.htm", "/fishbone/fish.htm" or
// "fishbone/fish.htm"). Each existing component is found whatever its letter case; components
// that do not exist yet keep the spelling given.
QString appPath(const QString& relative);

// The same resolution under any folder.
QString resolveCaseInsensitive(const QString& folder, const QString& relative);

} // namespace tova
