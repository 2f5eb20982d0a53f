// Encoding an opaque picture as a PNG file's bytes, tuned for chart pictures: large flat areas and
// thin antialiased lines, written often and at a high density.
#pragma once

#include <QByteArray>
#include <QImage>

namespace tova {

// The picture's colours as 8-bit RGB (any alpha is dropped) with its density, or an empty array
// when the picture is null or libpng fails.
QByteArray encodePng(const QImage& picture);

} // namespace tova
