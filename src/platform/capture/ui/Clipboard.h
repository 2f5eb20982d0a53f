// Copying what a window shows inside a rectangle to the clipboard as a picture, so a report
// screen can be pasted into other programs.
#pragma once

#include <QRect>

class QWidget;

namespace clipboard {

// Puts the window's pixels inside area (in the window's coordinates) on the clipboard, replacing
// whatever it held, and confirms it ("Screen Copied to Clipboard."). An area that is empty or lies
// outside the window leaves the clipboard alone and says that nothing was copied.
void CopyScreenToClipboard(QWidget* window, const QRect& area);

} // namespace clipboard
