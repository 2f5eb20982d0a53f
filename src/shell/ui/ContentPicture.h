// A picture of the content folder for a fixed-size window; a missing or unreadable picture gives a
// plain area of the same size, so the window still looks and works the same.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

namespace tova {

// The first of the candidate content paths that loads, scaled to size; else a plain pixmap.
QPixmap contentPicture(const QStringList& candidates, const QSize& size);

} // namespace tova
