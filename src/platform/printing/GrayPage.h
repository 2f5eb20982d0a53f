// A loaded page turned to shades of grey for a print in grayscale, its text kept as text: the
// colours of its elements and the pixels of its pictures, each at its own lightness.
#pragma once

#include <QString>

namespace tova::printing {

// A script that sets every element's colours to their grey and starts replacing each picture by a
// grey copy of the same pixels; the value of grayPicturesPendingScript() tells when it is done.
QString grayPageScript();

// A script expression: how many pictures the gray page script is still turning grey.
QString grayPicturesPendingScript();

} // namespace tova::printing
