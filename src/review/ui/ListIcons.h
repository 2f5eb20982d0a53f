// Pictures of the review dialogs' lists, from the content folder's images; a missing picture
// gives an empty icon.
#pragma once

#include <QIcon>

namespace tova::review {

QIcon projectFileIcon();
QIcon newProjectIcon();
QIcon sampleProjectIcon();
QIcon reviewIcon();

} // namespace tova::review
