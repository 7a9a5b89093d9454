// PatternArt.h: the sixteen greyscale pattern pictures of the back-colour dialog, drawn by code.
#pragma once

#include <QImage>

namespace PatternArt {

constexpr int Count = 16;

// Pattern index (0 .. 15), in QImage::Format_RGB32 with equal components. Each repeats without
// a seam. A null image for any other index.
QImage draw(int index);

} // namespace PatternArt
